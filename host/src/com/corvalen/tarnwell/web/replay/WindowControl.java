package com.corvalen.tarnwell.web.replay;

/**
 * Native dialog boxes during playback (skerrow). The library does not export these
 * natives yet; the class declares them when it does, so that calling one never ends in
 * an UnsatisfiedLinkError.
 */
public class WindowControl {
}
