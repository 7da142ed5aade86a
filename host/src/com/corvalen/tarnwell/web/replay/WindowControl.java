package com.corvalen.tarnwell.web.replay;

/**
 * Native dialog boxes during playback (skerrow): name the dialog by its title with
 * IsWindowDisplayed, then address a control inside it by window class and control
 * identifier (decimal text, compared as text). The String natives answer "SUCCESS",
 * "FAILED", a property list or a word beginning "ERROR_".
 */
public class WindowControl {
    /** Compares the control's text with value, exactly. */
    public native String CheckWindowMessage(String windowClass, String controlId, String value);

    /** Presses and releases the left mouse button on the control. */
    public native String PerformAction(String windowClass, String controlId, String ignored);

    /** Replaces the whole text of an edit box (or of the edit inside a ComboBoxEx32). */
    public native String SetTextBox(String windowClass, String controlId, String value);

    /** Selects the first combo box entry that begins with value. */
    public native String SetSelect(String windowClass, String controlId, String value);

    /** Selects and double-clicks the list view item whose text is value. */
    public native String SetAlertList(String windowClass, String controlId, String value);

    /** The control's properties as "key:,:value" pairs joined by ":;:". */
    public native String DoCheckPoint(String windowClass, String controlId, String ignored);

    /** Makes the top-level window with exactly this title the dialog the other natives work in. */
    public native boolean IsWindowDisplayed(String ignored, String title);

    /** Asks the dialog IsWindowDisplayed found to close; false when it found none. */
    public native boolean CloseAlertWindow(String ignored);
}
