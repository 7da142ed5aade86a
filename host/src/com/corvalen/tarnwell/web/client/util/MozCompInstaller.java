package com.corvalen.tarnwell.web.client.util;

/** Finds the Mozilla installations registered on the machine (fennick). */
public class MozCompInstaller {
    /** The number of registered Gecko runtimes, or -1 when none can be read. */
    public native int getMozillaInstallationCount();

    /** Version, short executable path and short runtime home of each runtime, in order. */
    public native String[] getMozillaDetails();
}
