package com.corvalen.tarnwell.web.replay;

import java.util.ArrayList;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

/**
 * One command document for the Mozilla component: a root element whose attributes carry
 * the method and the recorded values, with optional child elements ("option" for a list
 * selection, "check" for what a checkpoint verifies).
 *
 * <p>The component parses the text with an XML parser, so every attribute value is
 * escaped: the five markup characters as entities, and tab, line feed and carriage return
 * as character references (a parser would turn them into blanks otherwise). A character
 * that XML 1.0 cannot carry at all (other control characters, a lone surrogate, U+FFFE,
 * U+FFFF) makes the document impossible to write; {@link #toXml} refuses it rather than
 * send a document the component would take for a parser error and never answer.
 */
public final class CommandDocument {
    private final String rootName;
    private final Map<String, String> attributes = new LinkedHashMap<>();
    private final List<CommandDocument> children = new ArrayList<>();

    public CommandDocument(String rootName) {
        this.rootName = rootName;
    }

    /** A command: a root element named "command" with its "method" attribute first. */
    public static CommandDocument command(String method) {
        return new CommandDocument("command").set("method", method);
    }

    /** Sets (or replaces) an attribute; a later value keeps the attribute's first place. */
    public CommandDocument set(String name, String value) {
        if (!isName(name)) {
            throw new IllegalArgumentException("not an attribute name: \"" + name + "\"");
        }
        attributes.put(name, value);
        return this;
    }

    public CommandDocument add(CommandDocument child) {
        children.add(child);
        return this;
    }

    public String get(String name) {
        return attributes.get(name);
    }

    public Map<String, String> attributes() {
        return attributes;
    }

    public List<CommandDocument> children() {
        return children;
    }

    /** The document's text. */
    public String toXml() {
        StringBuilder out = new StringBuilder();
        write(out);
        return out.toString();
    }

    private void write(StringBuilder out) {
        out.append('<').append(rootName);
        for (Map.Entry<String, String> attribute : attributes.entrySet()) {
            out.append(' ').append(attribute.getKey()).append("=\"");
            escape(attribute.getValue(), out);
            out.append('"');
        }
        if (children.isEmpty()) {
            out.append("/>");
            return;
        }
        out.append('>');
        for (CommandDocument child : children) {
            child.write(out);
        }
        out.append("</").append(rootName).append('>');
    }

    /** Appends `value` escaped for a double-quoted XML attribute. */
    static void escape(String value, StringBuilder out) {
        for (int i = 0; i < value.length(); ++i) {
            char c = value.charAt(i);
            switch (c) {
                case '&': out.append("&amp;"); break;
                case '<': out.append("&lt;"); break;
                case '>': out.append("&gt;"); break;
                case '"': out.append("&quot;"); break;
                case '\'': out.append("&apos;"); break;
                case '\t': out.append("&#9;"); break;
                case '\n': out.append("&#10;"); break;
                case '\r': out.append("&#13;"); break;
                default:
                    if (Character.isHighSurrogate(c) && i + 1 < value.length()
                            && Character.isLowSurrogate(value.charAt(i + 1))) {
                        out.append(c).append(value.charAt(++i));
                    } else if (c < 0x20 || Character.isSurrogate(c) || c == 0xFFFE || c == 0xFFFF) {
                        throw new IllegalArgumentException(
                                String.format("U+%04X cannot be written in an XML document", (int) c));
                    } else {
                        out.append(c);
                    }
            }
        }
    }

    // Names of the attributes this host writes: recorded keys and its own, ASCII words.
    private static boolean isName(String name) {
        if (name.isEmpty() || !(Character.isLetter(name.charAt(0)) || name.charAt(0) == '_')) {
            return false;
        }
        for (int i = 0; i < name.length(); ++i) {
            char c = name.charAt(i);
            if (c > 0x7F || !(Character.isLetterOrDigit(c) || c == '_' || c == '-' || c == '.')) {
                return false;
            }
        }
        return true;
    }
}
