package com.corvalen.tarnwell.web.replay;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * Plays recorded Internet Explorer script lines back, one line at a time, through the
 * natives of {@link IEPlayBackControl}, as a host does: each line's recorded values go
 * to the native of its kind unchanged, and the native's result word comes back.
 *
 * <p>Before the first line the host launches the browser for playback
 * ({@code launchBrowser}); the first launch line then starts the play loop (the first
 * {@code goToURL}, which runs until the browser closes) on a thread of its own.
 *
 * <p>Which native a line goes to:
 * <ul>
 * <li>launchApplication("URL"), changeURL: {@code goToURL}, then the wait for the page
 * ("SUCCESS" once the play loop reports it loaded, "FAILED" otherwise);
 * <li>setWindow: {@code setWindow} with windowname, windowtitle, parenttitle and equal
 * comparisons; closeWindow: {@code closeWindow} with the name, or the title for an
 * unnamed window;
 * <li>clickButton: {@code fixAndClickButton} with the name, or the caption (value) for a
 * button without a name; clickImage: {@code fixAndClickImage} for an IMG (the line has a
 * tagName), {@code fixAndClickButton} with type "image" and the source for an image
 * button; clickLink, clickMap, clickList: their natives;
 * <li>selectItem: {@code fixSelect}, then {@code selInSelect} for each option text of the
 * value (texts joined by ":-:"; "NONE" selects nothing); the last word counts;
 * <li>setText: {@code setInputTextBox} with the type, name and text;
 * <li>clickMainToolBarButton: its native.
 * </ul>
 * Lines of the browser's dialog boxes go through {@link WindowControl}:
 * <ul>
 * <li>setAlertWindow: {@code IsWindowDisplayed} with the title, waiting for the dialog
 * to appear ("SUCCESS" when it did, "FAILED" otherwise); closeAlertWindow: the same,
 * then {@code CloseAlertWindow};
 * <li>the lines of a dialog's controls (they carry a classname): clickButton
 * {@code PerformAction}, setText {@code SetTextBox}, selectItem {@code SetSelect} for a
 * ComboBox and {@code SetAlertList} for a SysListView32, each with the class and the
 * recorded control identifier (index); recorded values have their backslashes doubled,
 * which is undone.
 * </ul>
 *
 * <p>An action's native returns as soon as the element is found; the action itself runs
 * on a thread of the library's. The player gives it {@code settleMillis} before the next
 * line, so that the page sees the actions in the recorded order.
 */
public final class RecordedScriptPlayer {
    public static final String NOT_PLAYED = "NOT_PLAYED";

    private static final String NONE = "NONE";
    private static final long PAGE_LOAD_MILLIS = 30_000;

    private static final long DIALOG_WAIT_MILLIS = 10_000;

    private final IEPlayBackControl control;
    private final WindowControl dialogs;
    private final long settleMillis;
    private Thread playLoop;

    public RecordedScriptPlayer(IEPlayBackControl control, long settleMillis) {
        this(control, new WindowControl(), settleMillis);
    }

    public RecordedScriptPlayer(IEPlayBackControl control, WindowControl dialogs, long settleMillis) {
        this.control = control;
        this.dialogs = dialogs;
        this.settleMillis = settleMillis;
    }

    /** Plays the lines in order and returns the result word of each. */
    public List<String> play(List<String> lines) {
        List<String> words = new ArrayList<>();
        for (String line : lines) {
            words.add(playLine(line));
        }
        return words;
    }

    /** Plays one recorded line and returns its result word. */
    public String playLine(String line) {
        if (line.startsWith("launchApplication(\"") && line.endsWith("\")")) {
            return open(line.substring("launchApplication(\"".length(), line.length() - 2));
        }
        int open = line.indexOf('[');
        if (open < 0 || !line.endsWith("]")) {
            return NOT_PLAYED;
        }
        String action = line.substring(0, open);
        Map<String, String> values = pairs(line.substring(open + 1, line.length() - 1));
        if (values.containsKey("classname")) {
            return playDialogControl(action, values);
        }
        switch (action) {
            case "setAlertWindow":
                return dialogShown(value(values, "windowtitle")) ? "SUCCESS" : "FAILED";
            case "closeAlertWindow":
                return dialogShown(value(values, "windowtitle")) && dialogs.CloseAlertWindow("") ? "SUCCESS"
                        : "FAILED";
            case "changeURL":
                return open(value(values, "name"));
            case "clickMainToolBarButton":
                return control.clickMainToolBarButton(value(values, "name"));
            case "setWindow":
                return control.setWindow(value(values, "windowname"), value(values, "windowtitle"),
                        value(values, "parenttitle"), "eq,eq,eq", 0);
            case "closeWindow": {
                String name = value(values, "windowname");
                return control.closeWindow(name.equals(NONE) ? value(values, "windowtitle") : name);
            }
            case "clickButton": {
                String name = value(values, "name");
                return settled(control.fixAndClickButton(value(values, "formname"), value(values, "type"),
                        name.equals(NONE) ? value(values, "value") : name, index(values), value(values, "id")));
            }
            case "clickImage":
                if (values.containsKey("tagName")) {
                    return settled(control.fixAndClickImage(value(values, "formname"), value(values, "source"),
                            index(values), value(values, "id")));
                }
                return settled(control.fixAndClickButton(value(values, "formname"), "image",
                        value(values, "source"), index(values), value(values, "id")));
            case "clickLink":
                return settled(control.fixAndClickLink(value(values, "formname"), value(values, "innertext"),
                        index(values), value(values, "id")));
            case "clickMap":
                return settled(control.fixAndClickMap(value(values, "formname"), value(values, "name"),
                        value(values, "coords"), index(values), value(values, "id")));
            case "clickList":
                return settled(control.fixAndClickList(value(values, "formname"), value(values, "type"),
                        value(values, "name"), index(values), value(values, "id")));
            case "selectItem":
                return select(values);
            case "setText":
                return settled(control.setInputTextBox(value(values, "formname"), value(values, "type"),
                        value(values, "name"), value(values, "value"), index(values), value(values, "id")));
            default:
                return NOT_PLAYED;
        }
    }

    // A line of a control inside the dialog the last setAlertWindow named.
    private String playDialogControl(String action, Map<String, String> values) {
        String windowClass = value(values, "classname");
        String id = value(values, "index");
        String text = undoubled(value(values, "value"));
        switch (action) {
            case "clickButton":
                return settled(dialogs.PerformAction(windowClass, id, ""));
            case "setText":
                return dialogs.SetTextBox(windowClass, id, text);
            case "selectItem":
                return settled(windowClass.equals("SysListView32") ? dialogs.SetAlertList(windowClass, id, text)
                        : dialogs.SetSelect(windowClass, id, text));
            default:
                return NOT_PLAYED;
        }
    }

    // Waits for the dialog with this title to be shown, and makes it the one the control
    // lines work in.
    private boolean dialogShown(String title) {
        long end = System.currentTimeMillis() + DIALOG_WAIT_MILLIS;
        while (!dialogs.IsWindowDisplayed("", title)) {
            if (System.currentTimeMillis() > end) {
                return false;
            }
            try {
                Thread.sleep(20);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                return false;
            }
        }
        return true;
    }

    private static String undoubled(String text) {
        return text.replace("\\\\", "\\");
    }

    /**
     * Waits for the play loop started by the first launch line to end (it ends when the
     * browser closes); true when it has.
     */
    public boolean awaitPlayLoopEnd(long timeoutMillis) {
        if (playLoop == null) {
            return true;
        }
        try {
            playLoop.join(timeoutMillis);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
        return !playLoop.isAlive();
    }

    /** The pairs of a line's body, in order; a pair is split at its first ":,:". */
    public static Map<String, String> pairs(String body) {
        Map<String, String> values = new LinkedHashMap<>();
        if (body.isEmpty()) {
            return values;
        }
        for (String pair : body.split(":;:", -1)) {
            int separator = pair.indexOf(":,:");
            if (separator < 0) {
                values.put(pair, "");
            } else {
                values.put(pair.substring(0, separator), pair.substring(separator + 3));
            }
        }
        return values;
    }

    private static String value(Map<String, String> values, String key) {
        return values.getOrDefault(key, NONE);
    }

    private static int index(Map<String, String> values) {
        try {
            return Integer.parseInt(values.getOrDefault("index", "0"));
        } catch (NumberFormatException e) {
            return 0;
        }
    }

    private String select(Map<String, String> values) {
        String word = control.fixSelect(value(values, "formname"), value(values, "name"), index(values),
                value(values, "id"));
        String options = value(values, "value");
        if (!word.equals("SUCCESS") || options.equals(NONE)) {
            return settled(word);
        }
        for (String option : options.split(":-:", -1)) {
            word = control.selInSelect(option);
            if (!word.equals("SUCCESS")) {
                return word;
            }
        }
        return settled(word);
    }

    // Navigates (the first time by starting the play loop) and waits for the page.
    private String open(String url) {
        while (control.callbacks.next(0) != null) {
            // reports of earlier pages are not this one's
        }
        if (playLoop == null) {
            playLoop = new Thread(() -> control.goToURL(url), "play loop");
            playLoop.setDaemon(true);
            playLoop.start();
        } else if (!control.goToURL(url)) {
            return "FAILED";
        }
        long end = System.currentTimeMillis() + PAGE_LOAD_MILLIS;
        for (long left = PAGE_LOAD_MILLIS; left > 0; left = end - System.currentTimeMillis()) {
            String call = control.callbacks.next(left);
            if (call == null) {
                break;
            }
            if (call.equals("receiveEvents:Success")) {
                return "SUCCESS";
            }
        }
        return "FAILED";
    }

    private String settled(String word) {
        if (word.equals("SUCCESS") && settleMillis > 0) {
            try {
                Thread.sleep(settleMillis);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
            }
        }
        return word;
    }
}
