package com.corvalen.tarnwell.web.replay;

import com.corvalen.tarnwell.testbed.CallbackRecorder;

/**
 * Playback of a script in Internet Explorer (skerrow), one script line per call.
 * Declares the natives the library exports today; table access and property read-back
 * join when the library has them, so no call here ends in an UnsatisfiedLinkError.
 */
public class IEPlayBackControl {
    /** What the library called back on this object, in order. */
    public final CallbackRecorder callbacks = new CallbackRecorder();

    public native boolean launchBrowser(String ignored);

    /** The first call runs the play loop and returns when the browser closes. */
    public native boolean goToURL(String url);

    public native String clearInstances();

    public native String setMaxTimeLimit(int seconds);

    public native String fixAndClickButton(String formName, String type, String name, int index, String id);

    public native String fixAndClickImage(String formName, String source, int index, String id);

    public native String fixAndClickLink(String formName, String innerText, int index, String id);

    public native String fixAndClickList(String formName, String kind, String innerText, int index, String id);

    public native String fixAndClickMap(String formName, String mapName, String coords, int index, String id);

    public native String fixAndFireMouseOver(String formName, String kind, String innerText, int index, String id);

    public native String selInSelect(String optionText);

    public native String fixSelect(String formName, String name, int index, String id);

    public native String setInputTextBox(String formName, String type, String name, String text, int index,
            String id);

    public native String setWindow(String windowName, String windowTitle, String parentTitle, String conditions,
            int waitTime);

    public native String closeWindow(String windowNameOrTitle);

    public native String clickMainToolBarButton(String button);

    /** "Success" when the page of a playback navigation has loaded. */
    public void receiveEvents(String text) {
        callbacks.record("receiveEvents", text);
    }

    public void receiveCheckPoints(String properties) {
        callbacks.record("receiveCheckPoints", properties);
    }

    /** "All Browsers Closed" when the last browser window has closed. */
    public void getNotification(String text) {
        callbacks.record("getNotification", text);
    }

    /** The values of a table column, read by getTableColumnValues. */
    public void receiveColumnValues(String[] values) {
        callbacks.record("receiveColumnValues", String.join("|", values));
    }
}
