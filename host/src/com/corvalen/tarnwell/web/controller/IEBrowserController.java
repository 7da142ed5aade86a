package com.corvalen.tarnwell.web.controller;

import com.corvalen.tarnwell.testbed.CallbackRecorder;

/** Launching Internet Explorer, recording and checkpoint picking (skerrow). */
public class IEBrowserController {
    /** What the library called back on this object, in order. */
    public final CallbackRecorder callbacks = new CallbackRecorder();

    public native int LaunchBrowser(int unused);

    public native String GetBrowserVersion();

    /** Blocks, on the first call, until every browser window has been closed. */
    public native void StartRecording(boolean relaunch);

    public native void StopRecording();

    public native void SelectCheckPoint(int checkPointType);

    public native void DisableCheckPointMode();

    public native String GetWindowInfo();

    public native void Quit();

    /** A recorded script line. */
    public void receiveEvents(String line) {
        callbacks.record("receiveEvents", line);
    }

    /** The property list of a picked checkpoint. */
    public void receiveCheckPoints(String properties) {
        callbacks.record("receiveCheckPoints", properties);
    }

    /** "All Browsers Closed" when the last browser window has closed. */
    public void getNotification(String text) {
        callbacks.record("getNotification", text);
    }
}
