package com.corvalen.tarnwell.web.replay;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * Verifies checkpoints recorded in Mozilla during playback, through the component's
 * "executeTest" command, as a host does. The checkpoint's window is made current first:
 * a setWindow with the line's window block, or, for a dialog's parts, setAlertWindow;
 * after the check the script's own window is made current again (the lines after a
 * checkpoint act where the script's last setWindow left them).
 *
 * <p>The kind follows from the line's keys, and decides the document and the verdict:
 * <ul>
 * <li>element (a "type", "tagName" or dialog "classname"), cell ("tableid"): checktype
 * "element" with the values that locate the element, and a "check" child naming the
 * properties to read (those the recorded line carries that the component reads for the
 * kind), with the recorded values. The component reports what it read; the verifier
 * compares key by key and names every key that changed;
 * <li>table ("rowcount"): checktype "table" with "check" children for the row count, the
 * column count and the picked cell's value, each "eq" the recorded value; the component
 * compares and answers "PASSED" or "FAILED", with the values it found, from which the
 * changed ones are named;
 * <li>a map area, or a line of no kind above: not verified ({@link #NOT_VERIFIED}), as
 * the component has no check for it and would not answer;
 * <li>text ("selectedText"): checktype "text"; the component answers the page's body
 * text. The selected text must still be on the page and the body text must be what the
 * recorded full text shows of the body (the full text is the whole document's, title
 * included), line breaks and runs of blanks counting as one blank.
 * </ul>
 *
 * <p>The component reads values back as the recorder wrote them (a text area's line
 * breaks as "&lt;VK_RETURN&gt;", a cell's as blanks, "windowtitle" as the title of the
 * element's own window or frame, a cell at its recorded row and column counted from 1);
 * a value read with raw line breaks is still compared as the line writes it.
 */
public final class MozillaCheckpointVerifier {
    public static final String CHECKPOINT = "CheckPointEvent_";
    /** The error of a checkpoint of a kind the component has no check for (a map area, an unknown line). */
    public static final String NOT_VERIFIED = "NOT_VERIFIED";

    private static final String NONE = "NONE";

    // What the component reads back for each kind of element.
    private static final Map<String, List<String>> READ = Map.of(
            "INPUT", List.of("name", "value", "type", "formname", "disable", "windowtitle", "defaultChecked",
                    "source", "tooltip", "id"),
            "TEXTAREA", List.of("name", "value", "type", "formname", "disable", "windowtitle", "tooltip", "id"),
            "SELECT", List.of("name", "type", "formname", "windowtitle", "disable", "allitems", "selecteditems",
                    "tooltip", "id"),
            "A", List.of("name", "innertext", "target", "windowtitle", "tooltip", "id"),
            "IMG", List.of("name", "source", "alt", "windowtitle", "tooltip", "id"),
            "TD", List.of("cellvalue", "id", "windowtitle", "rowindex", "columnindex"),
            "dialog-button", List.of("name", "isVisible", "isEnabled", "classname"),
            "textbox-input", List.of("value", "isEnabled"),
            "Static", List.of("value"));

    // What locates an element, taken from the recorded line.
    private static final List<String> LOCATE = List.of("name", "type", "id", "tagName", "index", "source", "value",
            "innertext", "classname", "firstcellvalue", "tableindex", "tableid", "rowindex", "columnindex");

    private final MozillaScriptPlayer player;
    private int cases;

    public MozillaCheckpointVerifier(MozillaScriptPlayer player) {
        this.player = player;
    }

    /**
     * Verifies one checkpoint line (with or without its "CheckPointEvent_" prefix). The
     * script's window is current again afterwards.
     */
    public CheckpointVerifier.Result verify(String line) {
        String body = line.startsWith(CHECKPOINT) ? line.substring(CHECKPOINT.length()) : line;
        Map<String, String> recorded = MozillaScriptPlayer.pairs(body);
        String kind = kind(recorded);
        if (kind.equals("none") || value(recorded, "tagName").equals("AREA")) {
            // A line of no kind the component checks, or a map area, which it would not
            // answer: say so rather than wait, and never take it for a pass.
            return result(kind, NOT_VERIFIED, new ArrayList<>(), new ArrayList<>());
        }
        if (kind.equals("dialog")) {
            // A dialog is the front window; the page's window stays current.
            String word = player.playLine("setAlertWindow[windowname:,:NONE:;:windowtitle:,:"
                    + value(recorded, "windowtitle") + ":;:parenttitle:,:NONE]");
            return word.equals("SUCCESS") ? verifyKind(kind, recorded)
                    : result(kind, word, new ArrayList<>(), new ArrayList<>());
        }
        CommandDocument window = CommandDocument.command("setWindow")
                .set("windowname", value(recorded, "windowname")).set("windowtitle", value(recorded, "windowtitle"))
                .set("parenttitle", value(recorded, "parenttitle")).set("windownamecondition", "equals")
                .set("windowtitlecondition", "equals").set("parenttitlecondition", "equals");
        String word = player.checkpointWindow(window);
        CheckpointVerifier.Result result = word.equals("SUCCESS") ? verifyKind(kind, recorded)
                : result(kind, word, new ArrayList<>(), new ArrayList<>());
        player.restoreScriptWindow(window);
        return result;
    }

    private CheckpointVerifier.Result verifyKind(String kind, Map<String, String> recorded) {
        String caseId = "case" + (++cases);
        switch (kind) {
            case "text":
                return verifyText(recorded, caseId);
            case "table":
                return verifyTable(recorded, caseId);
            default:
                return verifyElement(kind, recorded, caseId);
        }
    }

    /** "text", "table", "cell", "dialog", "element" or "none". */
    static String kind(Map<String, String> recorded) {
        if (recorded.containsKey("selectedText")) {
            return "text";
        }
        if (recorded.containsKey("rowcount")) {
            return "table";
        }
        if (recorded.containsKey("tableid")) {
            return "cell";
        }
        if (recorded.containsKey("classname")) {
            return "dialog";
        }
        if (recorded.containsKey("type") || recorded.containsKey("tagName")) {
            return "element";
        }
        return "none";
    }

    /** The executeTest document for an element, cell or dialog checkpoint. */
    static CommandDocument elementDocument(String kind, Map<String, String> recorded, String caseId,
            boolean withValues) {
        CommandDocument document = CommandDocument.command("executeTest").set("caseid", caseId)
                .set("checktype", "element");
        for (String key : LOCATE) {
            if (recorded.containsKey(key)) {
                document.set(key, recorded.get(key));
            }
        }
        CommandDocument check = new CommandDocument("check");
        for (String key : checkedKeys(kind, recorded)) {
            check.set(key, withValues ? expected(key, recorded) : "");
        }
        return document.add(check);
    }

    /** The keys an element checkpoint asks the component to read, in the kind's order. */
    static List<String> checkedKeys(String kind, Map<String, String> recorded) {
        List<String> read = READ.getOrDefault(readKind(kind, recorded), List.of());
        List<String> keys = new ArrayList<>();
        for (String key : read) {
            if (recorded.containsKey(key)) {
                keys.add(key);
            }
        }
        return keys;
    }

    private static String readKind(String kind, Map<String, String> recorded) {
        if (kind.equals("cell")) {
            return "TD";
        }
        if (kind.equals("dialog")) {
            return value(recorded, "classname");
        }
        String type = value(recorded, "type");
        switch (type) {
            case "textarea":
                return "TEXTAREA";
            case "select-one":
            case "select-multiple":
                return "SELECT";
            case "link":
                return "A";
            case "image":
                return value(recorded, "tagName").equals("IMG") ? "IMG" : "INPUT";
            default:
                return "INPUT";
        }
    }

    // The value a read-back property should have, by the recorded line.
    private static String expected(String key, Map<String, String> recorded) {
        return value(recorded, key);
    }

    private CheckpointVerifier.Result verifyElement(String kind, Map<String, String> recorded, String caseId) {
        String word = send(elementDocument(kind, recorded, caseId, true), elementDocument(kind, recorded, caseId, false));
        ComponentReply reply = reply(caseId);
        if (reply == null) {
            return result(kind, word, new ArrayList<>(), new ArrayList<>());
        }
        if (!reply.status.equals("PASSED")) {
            return result(kind, reply.status, new ArrayList<>(), new ArrayList<>());
        }
        List<String> keys = checkedKeys(kind, recorded);
        Map<String, String> now = readPairs(reply.tail, keys);
        String readKind = readKind(kind, recorded);
        List<String> differences = new ArrayList<>();
        List<String> compared = new ArrayList<>();
        for (String key : keys) {
            String actual = now.get(key);
            if (actual == null) {
                differences.add(key + ": recorded '" + expected(key, recorded) + "', not read back");
                continue;
            }
            compared.add(key);
            String want = expected(key, recorded);
            String read = comparable(readKind, key, actual);
            if (!read.equals(want)) {
                differences.add(difference(key, want, read));
            }
        }
        return result(kind, null, differences, compared);
    }

    // A read value as the recorded line would write it.
    private static String comparable(String readKind, String key, String actual) {
        if (readKind.equals("TEXTAREA") && key.equals("value")) {
            return actual.replace("\r\n", "\n").replace("\n", "<VK_RETURN>");
        }
        if (readKind.equals("TD") && key.equals("cellvalue")) {
            return actual.replace("VK_RETURN", " ");
        }
        return actual;
    }

    /**
     * The pairs of an element reply's tail ({@code key="value" } each, with a blank before
     * "=" for an input), for the keys asked. A value may hold a double quote (the component
     * does not escape), so a value ends only where the next asked key, or the tail's end,
     * follows.
     */
    static Map<String, String> readPairs(String tail, List<String> keys) {
        Map<String, String> pairs = new LinkedHashMap<>();
        int at = 0;
        while (at < tail.length()) {
            int open = tail.indexOf("=\"", at);
            if (open < 0) {
                break;
            }
            String key = tail.substring(at, open).trim();
            int valueStart = open + 2;
            int end = -1;
            // The earliest '" ' after which an asked key or the end follows.
            for (int quote = tail.indexOf("\" ", valueStart); quote >= 0; quote = tail.indexOf("\" ", quote + 1)) {
                String rest = tail.substring(quote + 2);
                if (rest.isEmpty() || startsWithKey(rest, keys, pairs, key)) {
                    end = quote;
                    break;
                }
            }
            if (end < 0) {
                break;
            }
            pairs.put(key, tail.substring(valueStart, end));
            at = end + 2;
        }
        return pairs;
    }

    private static boolean startsWithKey(String rest, List<String> keys, Map<String, String> seen, String current) {
        for (String key : keys) {
            if (!key.equals(current) && !seen.containsKey(key)
                    && (rest.startsWith(key + "=\"") || rest.startsWith(key + " =\""))) {
                return true;
            }
        }
        return false;
    }

    /** The executeTest document for a table checkpoint. */
    static CommandDocument tableDocument(Map<String, String> recorded, String caseId) {
        return CommandDocument.command("executeTest").set("caseid", caseId).set("checktype", "table")
                .set("firstcellvalue", value(recorded, "firstcellvalue")).set("index", value(recorded, "index"))
                .set("id", value(recorded, "id"))
                .add(new CommandDocument("check").set("function", "rowcount").set("condition", "eq")
                        .set("value", value(recorded, "rowcount")))
                .add(new CommandDocument("check").set("function", "columncount").set("condition", "eq")
                        .set("value", value(recorded, "columncount")))
                .add(new CommandDocument("check").set("function", "cellvalueat").set("condition", "eq")
                        .set("rowid", value(recorded, "rowindex")).set("colid", value(recorded, "columnindex"))
                        .set("value", value(recorded, "cellvalue")));
    }

    private CheckpointVerifier.Result verifyTable(Map<String, String> recorded, String caseId) {
        CommandDocument document = tableDocument(recorded, caseId);
        String word = send(document, document);
        ComponentReply reply = reply(caseId);
        if (reply == null) {
            return result("table", word, new ArrayList<>(), new ArrayList<>());
        }
        String debug = reply.caseDebugMessage();
        if (!reply.status.equals("PASSED") && !reply.status.equals("FAILED") || debug == null) {
            return result("table", reply.status, new ArrayList<>(), new ArrayList<>());
        }
        Map<String, String> now = tableValues(debug, value(recorded, "rowindex"), value(recorded, "columnindex"));
        List<String> compared = new ArrayList<>(now.keySet());
        List<String> differences = new ArrayList<>();
        for (Map.Entry<String, String> pair : now.entrySet()) {
            String want = value(recorded, pair.getKey());
            if (!pair.getValue().equals(want)) {
                differences.add(difference(pair.getKey(), want, pair.getValue()));
            }
        }
        if (reply.status.equals("FAILED") && differences.isEmpty()) {
            // The component compares the cell's raw text; the line shows line breaks as blanks.
            differences.add("FAILED by the component: " + debug);
        }
        return result("table", null, differences, compared);
    }

    /**
     * The values in a table reply's debug message: "rowcount = N;", "columncount = N;",
     * "cellvalueat R,C = TEXT;" (a text may hold ';', so it runs to the last ';').
     */
    static Map<String, String> tableValues(String debug, String row, String column) {
        Map<String, String> values = new LinkedHashMap<>();
        String rest = debug;
        for (String[] entry : new String[][] {{"rowcount", "rowcount = "}, {"columncount", "columncount = "}}) {
            if (rest.startsWith(entry[1])) {
                int end = rest.indexOf(';');
                if (end < 0) {
                    return values;
                }
                values.put(entry[0], rest.substring(entry[1].length(), end));
                rest = rest.substring(end + 1);
            }
        }
        String cell = "cellvalueat " + row + "," + column + " = ";
        if (rest.startsWith(cell) && rest.endsWith(";")) {
            values.put("cellvalue", rest.substring(cell.length(), rest.length() - 1));
        }
        return values;
    }

    private CheckpointVerifier.Result verifyText(Map<String, String> recorded, String caseId) {
        CommandDocument document = CommandDocument.command("executeTest").set("caseid", caseId)
                .set("checktype", "text");
        String word = send(document, document);
        List<ComponentReply> replies = player.lastReplies();
        ComponentReply reply = replies.isEmpty() ? null : replies.get(0);
        if (reply == null || reply.form != ComponentReply.Form.TEXT) {
            return result("text", reply == null ? word : reply.status, new ArrayList<>(), new ArrayList<>());
        }
        return compareText(recorded, ComponentReply.unescape(reply.bodyText));
    }

    /** Compares a text checkpoint with the page's body text as read back. */
    static CheckpointVerifier.Result compareText(Map<String, String> recorded, String body) {
        List<String> differences = new ArrayList<>();
        List<String> compared = new ArrayList<>();
        String page = spaced(body);
        String selected = value(recorded, "selectedText");
        if (!selected.equals(NONE)) {
            compared.add("selectedText");
            if (!page.contains(spaced(selected.replace("<VK_RETURN>", " ")))) {
                differences.add("selectedText: recorded '" + selected + "', not on the page now");
            }
        }
        String full = value(recorded, "fullText");
        compared.add("fullText");
        String whole = spaced(full.replace("<VK_RETURN>", " "));
        // The body's text ends the document's; what comes before it is the head's (the
        // title, which may run straight into the body's first words).
        if (!whole.endsWith(page)) {
            differences.add(difference("fullText", whole, page));
        }
        return new CheckpointVerifier.Result("text", null, differences, compared);
    }

    private String send(CommandDocument withValues, CommandDocument without) {
        String word = player.exchange(withValues, MozillaScriptPlayer.Replies.CHECK);
        if (word.equals(MozillaScriptPlayer.NOT_PLAYED) && without != withValues) {
            // Too long with the recorded values: the component reads only the names.
            word = player.exchange(without, MozillaScriptPlayer.Replies.CHECK);
        }
        return word;
    }

    private ComponentReply reply(String caseId) {
        for (ComponentReply reply : player.lastReplies()) {
            if (reply.form == ComponentReply.Form.CASE_STATUS && reply.caseId.equals(caseId)) {
                return reply;
            }
        }
        return null;
    }

    private static CheckpointVerifier.Result result(String kind, String error, List<String> differences,
            List<String> compared) {
        return new CheckpointVerifier.Result(kind, error, differences, compared);
    }

    private static String difference(String key, String recorded, String now) {
        return key + ": recorded '" + recorded + "', now '" + now + "'";
    }

    private static String spaced(String text) {
        return text.replaceAll("\\s+", " ").trim();
    }

    private static String value(Map<String, String> values, String key) {
        return values.getOrDefault(key, NONE);
    }

}
