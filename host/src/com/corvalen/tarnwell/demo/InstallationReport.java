package com.corvalen.tarnwell.demo;

import com.corvalen.tarnwell.web.client.util.MozCompInstaller;

/**
 * Prints the Mozilla installations that fennick finds in the registry, as the host's
 * component installer would list them.
 */
public final class InstallationReport {
    private InstallationReport() {}

    public static void main(String[] args) {
        System.loadLibrary("fennick");
        MozCompInstaller installer = new MozCompInstaller();
        int count = installer.getMozillaInstallationCount();
        System.out.println("Registered Mozilla runtimes: " + count);
        String[] details = installer.getMozillaDetails();
        for (int i = 0; i + 2 < details.length; i += 3) {
            System.out.println("  version    " + details[i]);
            System.out.println("  executable " + details[i + 1]);
            System.out.println("  GRE home   " + details[i + 2]);
        }
    }
}
