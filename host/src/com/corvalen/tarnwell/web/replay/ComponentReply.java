package com.corvalen.tarnwell.web.replay;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

/**
 * One reply of the Mozilla component, read from the text it sent. The component writes
 * values into its replies unescaped (a debug message or a read property may hold a double
 * quote), so a reply is taken apart by its fixed pieces, not by an XML parser:
 * <ul>
 * <li>status: {@code <message status="S" debugMessage="D"/>};
 * <li>case status: {@code <statusmessage caseid="C" status="S" TAIL/>}, where the tail is
 * empty, the validator's {@code  debugMessage="D"} (a table check) or the pairs it read
 * (an element check);
 * <li>text: {@code <textmessage bodytext="B"/>}, the page text escaped by the component;
 * <li>column: {@code <columnsort><cellvalue>T</cellvalue>...</columnsort>}.
 * </ul>
 */
public final class ComponentReply {
    public enum Form { STATUS, CASE_STATUS, TEXT, COLUMN }

    private static final String STATUS_OPEN = "<message status=\"";
    private static final String DEBUG = "\" debugMessage=\"";
    private static final String CASE_OPEN = "<statusmessage caseid=\"";
    private static final String CASE_STATUS = "\" status=\"";
    private static final String TEXT_OPEN = "<textmessage bodytext=\"";
    private static final String COLUMN_OPEN = "<columnsort>";
    private static final String COLUMN_CLOSE = "</columnsort>";
    private static final String CELL_OPEN = "<cellvalue>";
    private static final String CELL_CLOSE = "</cellvalue>";

    public final Form form;
    /** The reply's whole text (lines joined by line feeds). */
    public final String text;
    /** The status ("" for text and column replies). */
    public final String status;
    /** The status reply's debug message ("" otherwise). */
    public final String debugMessage;
    /** The case status reply's case identifier ("" otherwise). */
    public final String caseId;
    /** What a case status reply carries after its status, without the blank before it. */
    public final String tail;
    /** The text reply's body text as the component escaped it. */
    public final String bodyText;
    /** The column reply's cell texts. */
    public final List<String> cells;

    private ComponentReply(Form form, String text, String status, String debugMessage, String caseId, String tail,
            String bodyText, List<String> cells) {
        this.form = form;
        this.text = text;
        this.status = status;
        this.debugMessage = debugMessage;
        this.caseId = caseId;
        this.tail = tail;
        this.bodyText = bodyText;
        this.cells = Collections.unmodifiableList(cells);
    }

    /** Whether a line begins a reply (other lines are recorded lines or noise). */
    public static boolean starts(String line) {
        return line.startsWith(STATUS_OPEN) || line.startsWith(CASE_OPEN) || line.startsWith(TEXT_OPEN)
                || line.startsWith(COLUMN_OPEN);
    }

    /**
     * Whether `text`, the lines of one reply read so far joined by line feeds, is the
     * whole reply. A value with a line break in it (a text area's value read back) makes
     * the component's reply span lines.
     */
    public static boolean complete(String text) {
        return text.startsWith(COLUMN_OPEN) ? text.endsWith(COLUMN_CLOSE) : text.endsWith("/>");
    }

    /** The reply in `text`, or null when it is none of the four forms. */
    public static ComponentReply parse(String text) {
        if (text.startsWith(STATUS_OPEN) && text.endsWith("\"/>")) {
            String inner = text.substring(STATUS_OPEN.length(), text.length() - "\"/>".length());
            int debug = inner.indexOf(DEBUG);
            if (debug < 0) {
                return null;
            }
            return new ComponentReply(Form.STATUS, text, inner.substring(0, debug),
                    inner.substring(debug + DEBUG.length()), "", "", "", List.of());
        }
        if (text.startsWith(CASE_OPEN) && text.endsWith("/>")) {
            String inner = text.substring(CASE_OPEN.length(), text.length() - "/>".length());
            int statusAt = inner.indexOf(CASE_STATUS);
            if (statusAt < 0) {
                return null;
            }
            int statusEnd = inner.indexOf("\" ", statusAt + CASE_STATUS.length());
            if (statusEnd < 0) {
                return null;
            }
            return new ComponentReply(Form.CASE_STATUS, text, inner.substring(statusAt + CASE_STATUS.length(), statusEnd),
                    "", inner.substring(0, statusAt), inner.substring(statusEnd + 2), "", List.of());
        }
        if (text.startsWith(TEXT_OPEN) && text.endsWith("\"/>")) {
            return new ComponentReply(Form.TEXT, text, "", "", "", "",
                    text.substring(TEXT_OPEN.length(), text.length() - "\"/>".length()), List.of());
        }
        if (text.startsWith(COLUMN_OPEN) && text.endsWith(COLUMN_CLOSE)) {
            List<String> cells = new ArrayList<>();
            int at = COLUMN_OPEN.length();
            int end = text.length() - COLUMN_CLOSE.length();
            while (at < end) {
                if (!text.startsWith(CELL_OPEN, at)) {
                    return null;
                }
                int close = text.indexOf(CELL_CLOSE, at + CELL_OPEN.length());
                if (close < 0 || close > end) {
                    return null;
                }
                cells.add(text.substring(at + CELL_OPEN.length(), close));
                at = close + CELL_CLOSE.length();
            }
            return new ComponentReply(Form.COLUMN, text, "", "", "", "", "", cells);
        }
        return null;
    }

    /** The validator's debug message in a case status tail ({@code  debugMessage="D"}), or null. */
    public String caseDebugMessage() {
        String open = " debugMessage=\"";
        if (form != Form.CASE_STATUS || !tail.startsWith(open) || !tail.endsWith("\"")) {
            return null;
        }
        return tail.substring(open.length(), tail.length() - 1);
    }

    /** Undoes the component's escaping of page text (the entities it writes). */
    public static String unescape(String escaped) {
        return escaped.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    }

    @Override
    public String toString() {
        return text;
    }
}
