package com.corvalen.tarnwell.web.replay;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * Verifies recorded Internet Explorer checkpoints during playback, as a host does: the
 * element, cell, table or text a checkpoint describes is read back through the
 * read-back natives of {@link IEPlayBackControl}, and every key that both the recorded
 * list and the read-back carry is compared. A checkpoint passes when no such key
 * differs.
 *
 * <p>The checkpoint's window comes first: {@code setWindow} with the window block's name,
 * title and parent title, so that the read-back looks where the user picked.
 *
 * <p>The kind of a checkpoint follows from its keys:
 * <ul>
 * <li>text ("selectedText"): the page's body text ({@code getBodyText}) must still
 * hold the selected text; the full text is compared with the body text with line
 * breaks and runs of white space counted as one space (the recorded text is the
 * body's inner text, the read-back the text of a range over the body);
 * <li>table ("rowcount"): {@code fixTable} by id or first-cell text and index, then
 * {@code fixAndGetTableProp} gives rowcount (and columncount when the picked cell was
 * in the first row, whose cells the read-back counts), and {@code getTableCellValue}
 * the picked cell's value;
 * <li>cell ("tableid"): {@code fixAndGetCellProp} by the cell's id, or by row and
 * column in the table found as for a table checkpoint;
 * <li>element (a "type" or "tagName"): {@code fixAndGetElementProp} with the kind's
 * type, the name (a button's caption when it has no name, an image's source, a link's
 * text), the index and the id;
 * <li>anything else (the page body) carries nothing to verify.
 * </ul>
 */
public final class CheckpointVerifier {
    private static final String NONE = "NONE";

    /** What a verification found. */
    public static final class Result {
        /** "element", "cell", "table", "text" or "none". */
        public final String kind;
        /** The read-back's error word, or null when the read-back worked. */
        public final String error;
        /** One entry per differing key: "key: recorded 'a', now 'b'". */
        public final List<String> differences;
        /** The keys compared, in the recorded order. */
        public final List<String> compared;

        Result(String kind, String error, List<String> differences, List<String> compared) {
            this.kind = kind;
            this.error = error;
            this.differences = differences;
            this.compared = compared;
        }

        public boolean passed() {
            return error == null && differences.isEmpty() && (kind.equals("none") || !compared.isEmpty());
        }

        @Override
        public String toString() {
            if (error != null) {
                return kind + " checkpoint: " + error;
            }
            if (differences.isEmpty()) {
                return kind + " checkpoint: PASSED (" + compared.size() + " keys)";
            }
            return kind + " checkpoint: FAILED, " + String.join("; ", differences);
        }
    }

    private final IEPlayBackControl control;

    public CheckpointVerifier(IEPlayBackControl control) {
        this.control = control;
    }

    /** Verifies a checkpoint property list as handed to {@code receiveCheckPoints}. */
    public Result verify(String checkpoint) {
        Map<String, String> recorded = checkpointPairs(checkpoint);
        String kind = kind(recorded);
        if (kind.equals("none")) {
            return new Result(kind, null, new ArrayList<>(), new ArrayList<>());
        }
        String window = selectWindow(recorded);
        if (!window.equals("SUCCESS")) {
            return failed(kind, window);
        }
        switch (kind) {
            case "text":
                return verifyText(recorded);
            case "table":
                return verifyTable(recorded);
            case "cell":
                return verifyCell(recorded);
            default:
                return verifyElement(recorded);
        }
    }

    private static String kind(Map<String, String> recorded) {
        if (recorded.containsKey("selectedText")) {
            return "text";
        }
        if (recorded.containsKey("rowcount")) {
            return "table";
        }
        if (recorded.containsKey("tableid")) {
            return "cell";
        }
        if (recorded.containsKey("type") || recorded.containsKey("tagName")) {
            return "element";
        }
        return "none";
    }

    /**
     * Makes the checkpoint's window (or frame) the one playback reads from, by the window
     * block every checkpoint starts with. An unnamed window's name is recorded empty; the
     * window search takes "NONE" for it, as the recorded setWindow lines write it.
     */
    private String selectWindow(Map<String, String> recorded) {
        String name = value(recorded, "windowname");
        return control.setWindow(name.isEmpty() ? NONE : name, value(recorded, "windowtitle"),
                value(recorded, "parenttitle"), "eq,eq,eq", 0);
    }

    /**
     * The pairs of a checkpoint property list: each pair followed by ":;:", the list
     * ended by ":;;:". A key that appears twice (the window block's tooltip and the
     * element's) keeps its later value, the element's own.
     */
    public static Map<String, String> checkpointPairs(String list) {
        String body = list.endsWith(":;;:") ? list.substring(0, list.length() - ":;;:".length()) : list;
        if (body.endsWith(":;:")) {
            body = body.substring(0, body.length() - ":;:".length());
        }
        return RecordedScriptPlayer.pairs(body);
    }

    private Result verifyElement(Map<String, String> recorded) {
        String type = recorded.containsKey("tagName") ? "IMG" : value(recorded, "type");
        String name = value(recorded, "name");
        switch (type) {
            case "IMG":
            case "image":
                name = value(recorded, "source");
                break;
            case "link":
                name = value(recorded, "innertext");
                break;
            case "button":
            case "submit":
            case "reset":
                if (name.equals(NONE)) {
                    name = value(recorded, "value");
                }
                break;
            default:
                break;
        }
        String readBack = control.fixAndGetElementProp(value(recorded, "formname"), type, name,
                index(recorded, "index"), value(recorded, "id"));
        return compare("element", recorded, readBack);
    }

    private Result verifyCell(Map<String, String> recorded) {
        String cellId = value(recorded, "id");
        int column = index(recorded, "columnindex");
        int row = index(recorded, "rowindex");
        String readBack;
        if (!cellId.equals(NONE)) {
            readBack = control.fixAndGetCellProp(column, row, cellId, index(recorded, "index"));
        } else {
            String word = findTable(recorded, "tableid", "tableindex");
            if (!word.equals("SUCCESS")) {
                return failed("cell", word);
            }
            readBack = control.fixAndGetCellProp(column, row, NONE, 0);
        }
        return compare("cell", recorded, readBack);
    }

    private Result verifyTable(Map<String, String> recorded) {
        String word = findTable(recorded, "id", "index");
        if (!word.equals("SUCCESS")) {
            return failed("table", word);
        }
        String counts = control.fixAndGetTableProp(value(recorded, "formname"), "",
                value(recorded, "firstcellvalue"), index(recorded, "index"), value(recorded, "id"));
        int dash = counts.indexOf('-');
        if (counts.startsWith("ERROR") || dash < 0) {
            return failed("table", counts);
        }
        Map<String, String> now = new LinkedHashMap<>();
        now.put("rowcount", counts.substring(0, dash));
        if (value(recorded, "rowindex").equals("1")) {
            now.put("columncount", counts.substring(dash + 1));
        }
        // fixAndGetTableProp leaves the table found, so its cells can be read too.
        String cell = control.getTableCellValue(index(recorded, "rowindex"), index(recorded, "columnindex"));
        if (cell.startsWith("ERROR_")) {
            return failed("table", cell);
        }
        now.put("cellvalue", cell);
        return compare("table", recorded, now);
    }

    private Result verifyText(Map<String, String> recorded) {
        String body = control.getBodyText();
        if (body.startsWith("ERROR_")) {
            return failed("text", body);
        }
        List<String> differences = new ArrayList<>();
        List<String> compared = new ArrayList<>();
        String selected = value(recorded, "selectedText");
        if (!selected.equals(NONE)) {
            compared.add("selectedText");
            if (!spaced(body).contains(spaced(selected))) {
                differences.add("selectedText: recorded '" + selected + "', not on the page now");
            }
        }
        String full = value(recorded, "fullText");
        if (!full.equals(NONE)) {
            compared.add("fullText");
            if (!spaced(full).equals(spaced(body))) {
                differences.add(difference("fullText", full, body));
            }
        }
        return new Result("text", null, differences, compared);
    }

    // Finds a recorded table again: by its id, or by its first cell's text when it has none.
    private String findTable(Map<String, String> recorded, String idKey, String indexKey) {
        return control.fixTable(value(recorded, "formname"), "", value(recorded, "firstcellvalue"),
                index(recorded, indexKey), value(recorded, idKey));
    }

    private static Result compare(String kind, Map<String, String> recorded, String readBack) {
        if (readBack.startsWith("ERROR")) {
            return failed(kind, readBack);
        }
        return compare(kind, recorded, RecordedScriptPlayer.pairs(readBack));
    }

    private static Result compare(String kind, Map<String, String> recorded, Map<String, String> now) {
        List<String> differences = new ArrayList<>();
        List<String> compared = new ArrayList<>();
        for (Map.Entry<String, String> pair : recorded.entrySet()) {
            String key = pair.getKey();
            if (!now.containsKey(key)) {
                continue;
            }
            compared.add(key);
            if (!now.get(key).equals(pair.getValue())) {
                differences.add(difference(key, pair.getValue(), now.get(key)));
            }
        }
        return new Result(kind, null, differences, compared);
    }

    private static Result failed(String kind, String word) {
        return new Result(kind, word, new ArrayList<>(), new ArrayList<>());
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

    private static int index(Map<String, String> values, String key) {
        try {
            return Integer.parseInt(values.getOrDefault(key, "0"));
        } catch (NumberFormatException e) {
            return 0;
        }
    }
}
