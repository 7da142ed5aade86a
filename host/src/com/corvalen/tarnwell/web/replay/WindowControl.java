package com.corvalen.tarnwell.web.replay;

/** Native dialog boxes during playback (skerrow). */
public class WindowControl {
    public native String CheckWindowMessage(String className, String controlId, String value);

    public native String PerformAction(String className, String controlId, String value);

    public native String SetTextBox(String className, String controlId, String value);

    public native String SetSelect(String className, String controlId, String value);

    public native String SetAlertList(String className, String controlId, String value);

    public native String DoCheckPoint(String className, String controlId, String value);

    public native boolean IsWindowDisplayed(String unused, String title);

    public native boolean CloseAlertWindow(String unused);
}
