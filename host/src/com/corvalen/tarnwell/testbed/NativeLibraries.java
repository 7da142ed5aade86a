package com.corvalen.tarnwell.testbed;

/**
 * Loads a native library by its path for the classes of the application class loader,
 * as the host does at start-up.
 */
public final class NativeLibraries {
    private NativeLibraries() {}

    public static void load(String path) {
        System.load(path);
    }
}
