package com.corvalen.tarnwell.web.replay;

import com.corvalen.tarnwell.testbed.CallbackRecorder;

/**
 * Playback of a script in Internet Explorer (skerrow), one script line per call.
 * Declares the natives the library exports, so no call here ends in an
 * UnsatisfiedLinkError.
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

    /** Finds a table by id or, with id "NONE", by the first ten bytes of its first cell. */
    public native String fixTable(String formName, String ignored, String firstCellText, int index, String id);

    /** The text of a cell of the table fixTable found; row and column count from 1. */
    public native String getTableCellValue(int row, int column);

    /** Hands a column of the table fixTable found to receiveColumnValues before it returns. */
    public native String getTableColumnValues(int column);

    /** The element's properties as "key:,:value" pairs joined by ":;:", or an error word. */
    public native String fixAndGetElementProp(String formName, String type, String name, int index, String id);

    public native String fixAndGetCellProp(int column, int row, String cellId, int index);

    /** The table's number of rows and the number of cells of its first row, as "rows-cells". */
    public native String fixAndGetTableProp(String formName, String ignored, String firstCellText, int index,
            String id);

    public native String getBodyText();

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
