package com.corvalen.tarnwell.testbed;

/**
 * The simulated user at the simulated Internet Explorer, for Java-side tests and the
 * demo: runs user-script lines ("open URL", "click #id", "type name=q text",
 * "dialog OK" ...) at a running browser instance, as a person would act there.
 * The native part is the library "testbed_ie" (load it with {@link NativeLibraries}).
 */
public final class SimulatedInternetExplorer {
    private SimulatedInternetExplorer() {}

    /**
     * Runs the lines at the newest running browser window and returns when the browser
     * has handled the last one.
     *
     * @return null when every line was done, otherwise why a line could not be done
     *         ("line 2: no element #missing", or "no Internet Explorer is running")
     */
    public static native String run(String script);

    /**
     * What a person sees of every open browser window, oldest first: titles, field
     * values, check states, selected options and the pages' own logs, frames included.
     */
    public static native String pageState();

    /** The number of top-level browser windows open in this process. */
    public static native int windowCount();
}
