package com.corvalen.tarnwell.web.replay;

import com.corvalen.tarnwell.web.client.ComponentServer;

import java.io.IOException;
import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * Plays lines recorded in Mozilla back through the component, as a host does: "play\n"
 * first, then each line as one command document, whose replies give the line's result
 * word.
 *
 * <p>A recorded line ("RecordEvent_action[pairs]") becomes a document whose attributes are
 * the method and the line's pairs as recorded, plus what a host adds:
 * <ul>
 * <li>setWindow: the conditions "equals" for the three titles and names, and a wait
 * time for the page to settle; the component also retries the window search for the
 * time limit sent after "play\n" ("setMaxTimeLimit");
 * <li>launchApplication("URL") and changeURL: the address as "value";
 * clickMainToolBarButton: the method "clickMainToolBar" with the button's name;
 * <li>selectItem: one "option" child per selected text (the value's texts are joined by
 * ":-:"; an empty value selects nothing);
 * <li>setText in a text area: each recorded "&lt;VK_RETURN&gt;" as "VK_RETURN", which
 * the component turns into a line break;
 * <li>setAlertWindow is sent again until the dialog is up (the click that opens it
 * replies before the page shows the dialog).
 * </ul>
 *
 * <p>The component reads one message per receive, so a message must not follow another
 * that it has not read yet: a reply tells that it has; after a message that gets no reply
 * ("play\n", "setMaxTimeLimit", a file field's click) the player pauses first.
 *
 * <p>Result words: the status of the line's last reply ("SUCCESS", "FAILED",
 * "ERROR_..."); {@link #NO_REPLY} when none came in time; {@link #NOT_PLAYED} for a line
 * that is no recorded action, or whose document could not be written or sent.
 */
public final class MozillaScriptPlayer {
    public static final String NOT_PLAYED = "NOT_PLAYED";
    public static final String NO_REPLY = "NO_REPLY";
    public static final String RECORDED = "RecordEvent_";

    private static final String NONE = "NONE";
    private static final String SUCCESS = "SUCCESS";
    private static final String LAUNCH = "launchApplication(\"";

    /** What a command's replies look like, so that the player knows when it has them all. */
    enum Replies {
        /** One status reply. */
        ONE,
        /** "SUCCESS" from the action and "SUCCESS" from the dispatch (a page text field). */
        TWICE_ON_SUCCESS,
        /** One reply; a failure is followed by "ERROR_WINDOW_NOT_FOUND" (setWindow). */
        TWICE_ON_FAILURE,
        /** "SUCCESS" before the click, and "FAILED" after it when the click failed. */
        CLICK,
        /** A file field's click: nothing when it worked, a status when it did not. */
        SILENT_ON_SUCCESS,
        /** Nothing at all. */
        NONE,
        /** One validator reply (case status, text or column). */
        CHECK
    }

    private final ComponentServer server;
    private final Options options;
    private final List<ComponentReply> lastReplies = new ArrayList<>();
    private final List<String> strayLines = new ArrayList<>();
    // The window the script's last setWindow made current.
    private CommandDocument scriptWindow;

    /** How long the player waits, and what it tells the component. */
    public static final class Options {
        /** Seconds the component retries a window search ("setMaxTimeLimit"). */
        public int maxTimeLimit = 30;
        /** Seconds the component lets a found page settle ("waittime" of setWindow). */
        public int waitTime = 1;
        /**
         * Longest wait for a command's reply; a window search takes up to the time limit
         * and the wait time more.
         */
        public long replyMillis = 45_000;
        /** Pause after a message that gets no reply, before the next one. */
        public long pauseMillis = 300;
        /** Time an action's effect is given before the next line (and a late "FAILED" is heard). */
        public long settleMillis = 300;
        /** How long a dialog is waited for (setAlertWindow sent again meanwhile). */
        public long dialogMillis = 10_000;
    }

    public MozillaScriptPlayer(ComponentServer server) {
        this(server, new Options());
    }

    public MozillaScriptPlayer(ComponentServer server, Options options) {
        this.server = server;
        this.options = options;
    }

    /** Starts playback in the component: "play\n", then the window search's time limit. */
    public void start() throws IOException {
        sendWithoutReply("play\n");
        sendWithoutReply(CommandDocument.command("setMaxTimeLimit")
                .set("value", Integer.toString(options.maxTimeLimit)).toXml());
    }

    /** Plays the lines in order and returns the result word of each. */
    public List<String> play(List<String> lines) {
        List<String> words = new ArrayList<>();
        for (String line : lines) {
            words.add(playLine(line));
        }
        return words;
    }

    /** Plays one recorded line (with or without its "RecordEvent_" prefix); its result word. */
    public String playLine(String line) {
        lastReplies.clear();
        CommandDocument document = documentFor(line);
        if (document == null) {
            return NOT_PLAYED;
        }
        String method = document.get("method");
        if (method.equals("setAlertWindow")) {
            return untilDialog(document);
        }
        // A click that replies before it is made is given the settling time in which a
        // late "FAILED" would come; the page sees it meanwhile.
        String word = exchange(document, repliesOf(document));
        if (method.equals("setWindow")) {
            scriptWindow = word.equals(SUCCESS) ? document : null;
        }
        return word;
    }

    /**
     * Makes the window of a checkpoint current (a setWindow document), apart from the
     * script's: the lines after a checkpoint act where the script's last setWindow left
     * them (a checkpoint is recorded without naming a window change).
     */
    String checkpointWindow(CommandDocument document) {
        return exchange(document, Replies.TWICE_ON_FAILURE);
    }

    /**
     * Makes the script's window current again after a checkpoint in another one; true
     * when it is (or was not changed).
     */
    boolean restoreScriptWindow(CommandDocument checked) {
        if (scriptWindow == null || sameWindow(scriptWindow, checked)) {
            return true;
        }
        return exchange(scriptWindow, Replies.TWICE_ON_FAILURE).equals(SUCCESS);
    }

    private static boolean sameWindow(CommandDocument one, CommandDocument other) {
        for (String key : List.of("windowname", "windowtitle", "parenttitle")) {
            if (!String.valueOf(one.get(key)).equals(String.valueOf(other.get(key)))) {
                return false;
            }
        }
        return true;
    }

    /**
     * The command document for a recorded line, or null when the line is no recorded
     * action.
     */
    public static CommandDocument documentFor(String line) {
        String text = line.startsWith(RECORDED) ? line.substring(RECORDED.length()) : line;
        if (text.startsWith(LAUNCH) && text.endsWith("\")")) {
            return CommandDocument.command("launchApplication")
                    .set("value", text.substring(LAUNCH.length(), text.length() - 2));
        }
        int open = text.indexOf('[');
        if (open <= 0 || !text.endsWith("]")) {
            return null;
        }
        String action = text.substring(0, open);
        Map<String, String> values = pairs(text.substring(open + 1, text.length() - 1));
        CommandDocument document;
        try {
            switch (action) {
                case "changeURL":
                    return CommandDocument.command("changeURL").set("value", value(values, "name"));
                case "clickMainToolBarButton":
                    return CommandDocument.command("clickMainToolBar").set("name", value(values, "name"));
                case "setWindow":
                    document = CommandDocument.command(action);
                    copy(values, document);
                    return document.set("windownamecondition", "equals").set("windowtitlecondition", "equals")
                            .set("parenttitlecondition", "equals");
                case "selectItem":
                    document = CommandDocument.command(action);
                    copy(values, document);
                    String selected = values.getOrDefault("value", "");
                    if (!selected.isEmpty()) {
                        for (String option : selected.split(":-:", -1)) {
                            document.add(new CommandDocument("option").set("selectedvalue", option));
                        }
                    }
                    return document;
                case "setText":
                    document = CommandDocument.command(action);
                    copy(values, document);
                    if (value(values, "type").equals("textarea")) {
                        document.set("value", value(values, "value").replace("<VK_RETURN>", "VK_RETURN"));
                    }
                    return document;
                case "clickMap":
                case "setAlertWindow":
                case "closeAlertWindow":
                case "closeWindow":
                case "clickButton":
                case "clickImage":
                case "clickLink":
                case "clickList":
                    document = CommandDocument.command(action);
                    copy(values, document);
                    return document;
                default:
                    return null;
            }
        } catch (IllegalArgumentException e) {
            return null; // a recorded key that cannot be an attribute
        }
    }

    /** The options the player was made with (a setWindow's wait time is added when sent). */
    public Options options() {
        return options;
    }

    /** The replies of the last line or check, in arrival order. */
    public List<ComponentReply> lastReplies() {
        return new ArrayList<>(lastReplies);
    }

    /** Lines that arrived between commands (late replies, anything else), in order. */
    public List<String> strayLines() {
        return new ArrayList<>(strayLines);
    }

    /** The pairs of a line's body, in order, without the empty pair a trailing ":;:" leaves. */
    public static Map<String, String> pairs(String body) {
        Map<String, String> values = new LinkedHashMap<>();
        for (Map.Entry<String, String> pair : RecordedScriptPlayer.pairs(body).entrySet()) {
            if (!pair.getKey().isEmpty()) {
                values.put(pair.getKey(), pair.getValue());
            }
        }
        return values;
    }

    static Replies repliesOf(CommandDocument document) {
        String method = document.get("method");
        switch (method) {
            case "setWindow":
                return Replies.TWICE_ON_FAILURE;
            case "setText": {
                String type = document.get("type");
                boolean pageField = document.get("classname") == null
                        && ("text".equals(type) || "password".equals(type));
                return pageField ? Replies.TWICE_ON_SUCCESS : Replies.ONE;
            }
            case "clickButton":
                if (document.get("classname") != null) {
                    return Replies.ONE;
                }
                return "file".equals(document.get("type")) ? Replies.SILENT_ON_SUCCESS : Replies.CLICK;
            case "clickLink":
            case "clickImage":
            case "clickMap":
                return Replies.CLICK;
            case "executeTest":
                return Replies.CHECK;
            case "setMaxTimeLimit":
                return Replies.NONE;
            default:
                return Replies.ONE;
        }
    }

    /**
     * Sends a document and reads its replies; returns the result word. Used by the
     * checkpoint verifier too, whose reply is then {@code lastReplies().get(0)}.
     */
    String exchange(CommandDocument document, Replies replies) {
        lastReplies.clear();
        if (document.get("method").equals("setWindow")) {
            document.set("waittime", Integer.toString(options.waitTime));
        }
        takeStrayLines();
        String text;
        try {
            text = document.toXml();
            server.send(text);
        } catch (IOException | IllegalArgumentException e) {
            return NOT_PLAYED;
        }
        switch (replies) {
            case NONE:
                pause(options.pauseMillis);
                return SUCCESS;
            case SILENT_ON_SUCCESS: {
                ComponentReply reply = nextReply(options.settleMillis);
                return reply == null ? SUCCESS : reply.status;
            }
            default:
                break;
        }
        ComponentReply first = nextReply(options.replyMillis);
        if (first == null) {
            return NO_REPLY;
        }
        if (replies == Replies.CHECK) {
            return first.status;
        }
        boolean succeeded = first.status.equals(SUCCESS);
        ComponentReply second = null;
        if (replies == Replies.TWICE_ON_SUCCESS && succeeded || replies == Replies.TWICE_ON_FAILURE && !succeeded) {
            second = nextReply(options.replyMillis);
            if (second == null) {
                return NO_REPLY;
            }
        } else if (replies == Replies.CLICK && succeeded) {
            second = nextReply(options.settleMillis);
        }
        return second != null ? second.status : first.status;
    }

    // The dialog a click opened may not be up yet: ask again until it is, or time is up.
    private String untilDialog(CommandDocument document) {
        long end = System.currentTimeMillis() + options.dialogMillis;
        for (;;) {
            String word = exchange(document, Replies.ONE);
            if (!word.equals("ERROR_WINDOW_NOT_FOUND") || System.currentTimeMillis() > end) {
                return word;
            }
            pause(50);
        }
    }

    private void sendWithoutReply(String message) throws IOException {
        takeStrayLines();
        server.send(message);
        pause(options.pauseMillis);
    }

    // The next reply, its lines joined; null when none is complete in time. Lines that
    // begin no reply are kept aside. Once the time is up, lines already come are still
    // looked at but not waited for, so a flood of other lines cannot hold the player.
    private ComponentReply nextReply(long timeoutMillis) {
        long end = System.currentTimeMillis() + timeoutMillis;
        StringBuilder text = null;
        for (int lines = 0; lines < 100_000; ++lines) {
            long left = end - System.currentTimeMillis();
            String line = server.nextLine(Math.max(0, left));
            if (line == null) {
                break;
            }
            if (text == null && !ComponentReply.starts(line)) {
                strayLines.add(line);
                if (left <= 0) {
                    break;
                }
                continue;
            }
            text = text == null ? new StringBuilder(line) : text.append('\n').append(line);
            if (ComponentReply.complete(text.toString())) {
                ComponentReply reply = ComponentReply.parse(text.toString());
                if (reply != null) {
                    lastReplies.add(reply);
                    return reply;
                }
                strayLines.add(text.toString());
                text = null;
            }
        }
        if (text != null) {
            strayLines.add(text.toString());
        }
        return null;
    }

    private void takeStrayLines() {
        for (String line = server.nextLine(0); line != null; line = server.nextLine(0)) {
            strayLines.add(line);
        }
    }

    private static void pause(long millis) {
        if (millis <= 0) {
            return;
        }
        try {
            Thread.sleep(millis);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        }
    }

    private static final Set<String> HOST_ATTRIBUTES = Set.of("method", "caseid", "checktype", "waittime",
            "windownamecondition", "windowtitlecondition", "parenttitlecondition");

    // The recorded pairs as attributes; a recorded key that the host sets itself is left out.
    private static void copy(Map<String, String> values, CommandDocument document) {
        for (Map.Entry<String, String> pair : values.entrySet()) {
            if (!HOST_ATTRIBUTES.contains(pair.getKey())) {
                document.set(pair.getKey(), pair.getValue());
            }
        }
    }

    private static String value(Map<String, String> values, String key) {
        return values.getOrDefault(key, NONE);
    }
}
