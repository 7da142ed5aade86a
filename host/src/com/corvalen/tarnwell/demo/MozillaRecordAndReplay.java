package com.corvalen.tarnwell.demo;

import com.corvalen.tarnwell.testbed.SimulatedMozilla;
import com.corvalen.tarnwell.web.replay.CheckpointVerifier;
import com.corvalen.tarnwell.web.replay.MozillaCheckpointVerifier;
import com.corvalen.tarnwell.web.replay.MozillaScriptPlayer;

import java.io.IOException;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;

/**
 * Records what the simulated user does in the simulated Mozilla (build/bin/mozilla with
 * the component) through the host's server, prints the recorded script, plays it back in
 * a fresh browser through {@link MozillaScriptPlayer}, with the checkpoints verified by
 * {@link MozillaCheckpointVerifier}, and tells whether every line worked and every
 * checkpoint passed. The checkpoints taken at the end of each page read the state the
 * session left there (field values, selections, the page's log of its dialogs), so their
 * passing says the replay reached the same state. Then one attribute of a recorded page
 * is changed and the script replayed again: the checkpoint on that page must fail, on
 * the changed property alone.
 *
 * <p>The session is recorded on a copy of the site in a temporary folder.
 *
 * <p>Arguments: the browser executable, the components folder, the sample site's folder.
 */
public final class MozillaRecordAndReplay {
    private MozillaRecordAndReplay() {}

    /** A session: the user's steps, the page change made after recording and the key it must fail on. */
    public static final class Session {
        final String startPage;
        final String[] steps;
        final String changedPage;
        final String from;
        final String to;
        final String changedKey;
        final String description;

        public Session(String startPage, String[] steps, String changedPage, String from, String to, String changedKey,
                String description) {
            this.startPage = startPage;
            this.steps = steps;
            this.changedPage = changedPage;
            this.from = from;
            this.to = to;
            this.changedKey = changedKey;
            this.description = description;
        }
    }

    /** Steps beginning so are taken as checkpoints: the mode, then the user's step. */
    private static final String CHECKPOINT = "checkpoint ";

    /**
     * The sample site's tour: a DIV, a pop-up window, an image map's area, a table checkpoint,
     * the toolbar's Back, frames (a link in one, a cell checkpoint in another), an image
     * link, every kind of form field, an alert, a confirm and a prompt answered, element
     * and text checkpoints at the end of the form and of the dialogs' page.
     */
    public static final Session TOUR = new Session("index.html", new String[] {
        "click #menu",
        "click #popupLink",
        "window Pop-up",
        "click #message",
        "close",
        "click #areaTables",
        "checkpoint table click #itemA",
        "back",
        "click #framesLink",
        "frame nav",
        "click #toTables",
        "frame main",
        "checkpoint element click #note",
        "frame nav",
        "click #toTop",
        "frame",
        "click #rollover",
        "type #customer Ann Example",
        "type #secret s3cret",
        "type #notes , gift wrap please",
        "click #gift",
        "click #sizeL",
        "choose #extras Cable|Charger",
        "choose #colour Blue",
        "click #check",
        "dialog OK",
        "checkpoint element click #customer",
        "checkpoint element click #notes",
        "checkpoint element click #extras",
        "checkpoint element click #colour",
        "click link=Home",
        "click #dialogsLink",
        "click #confirmButton",
        "dialog OK",
        "click #promptButton",
        "dialog OK Ada",
        "checkpoint text selecttext #log",
    }, "form.html", "title=\"Your name\"", "title=\"Full name\"", "tooltip",
            "the name field's tool tip changed on the order form");

    /**
     * Every kind of page element on the recording page, whose script notes each action in
     * a log on the page: buttons (by name, by caption), a check box, a radio button, text
     * and password fields, a text area, a list, a link, an image, an image map, a DIV;
     * an image button; checkpoints on the elements and on the log's text at the end.
     */
    public static final Session ELEMENTS = new Session("recording.html", new String[] {
        "click name=go",
        "click INPUT[3]",
        "click name=agree",
        "click INPUT[7]",
        "click name=pay",
        "type name=who Zoe",
        "type name=pin 1234",
        "type name=remarks , thanks",
        "choose name=extras Cable|Charger",
        "click #inner",
        "click #logo",
        "click AREA[0]",
        "click DIV[1]",
        "checkpoint element click name=who",
        "checkpoint element click name=remarks",
        "checkpoint element click name=extras",
        "checkpoint element click name=agree",
        "checkpoint element click name=pay",
        "checkpoint element click #wrapped",
        "checkpoint element click #logo",
        "checkpoint text selecttext #log",
    }, "recording.html", "alt=\"Logo\"", "alt=\"Brand\"", "alt",
            "the image's alternative text changed on the recording page");

    /** What a run found. */
    public static final class Outcome {
        public final List<String> script = new ArrayList<>();
        /** Every line SUCCESS and every checkpoint PASSED. */
        public boolean reproduced;
        /** On the changed page: every line SUCCESS and one failed checkpoint, naming the changed key only. */
        public boolean caught;
    }

    public static void main(String[] args) throws Exception {
        Outcome outcome = run(Paths.get(args[0]), Paths.get(args[1]), Paths.get(args[2]), TOUR, System.out);
        if (!(outcome.reproduced && outcome.caught)) {
            System.exit(1);
        }
    }

    /** Records `session` on a copy of the site, replays it, changes the page and replays again. */
    public static Outcome run(Path executable, Path components, Path site, Session session, PrintStream out)
            throws IOException, InterruptedException {
        Path copy = RecordAndReplay.copySite(site, "tarnwell-mozilla-site");
        Path traces = Files.createTempDirectory("tarnwell-mozilla-traces");
        Outcome outcome = new Outcome();
        try {
            String siteUrl = copy.toUri().toString().replaceAll("/$", "");
            String start = siteUrl + "/" + session.startPage;
            out.println("== Recording in the simulated Mozilla on " + start);
            try (SimulatedMozilla browser = new SimulatedMozilla(executable, components,
                    traces.resolve("record.log"), start)) {
                record(browser, session, outcome.script, out);
            }
            out.println();
            out.println("== Recorded script (" + outcome.script.size() + " lines)");
            for (String line : outcome.script) {
                out.println("  " + (line.length() > 160 ? line.substring(0, 157) + "..." : line));
            }

            out.println();
            out.println("== Replay in a fresh browser");
            Replay first = replay(executable, components, traces.resolve("replay.log"), outcome.script, out);
            outcome.reproduced = first.allSucceeded && first.checkpoints > 0 && first.failedCheckpoints.isEmpty();
            out.println();
            out.println(outcome.reproduced
                    ? "The replay reproduced the session: every line SUCCESS, every checkpoint (" + first.checkpoints
                            + ") PASSED on the state the session left."
                    : "The replay did NOT reproduce the session.");

            out.println();
            Path page = copy.resolve(session.changedPage);
            String text = new String(Files.readAllBytes(page), StandardCharsets.ISO_8859_1);
            Files.write(page, text.replace(session.from, session.to).getBytes(StandardCharsets.ISO_8859_1));
            out.println("== Replay after " + session.description);
            Replay second = replay(executable, components, traces.resolve("changed.log"), outcome.script, out);
            outcome.caught = second.allSucceeded && second.failedCheckpoints.size() == 1
                    && second.failedCheckpoints.get(0).contains("FAILED, " + session.changedKey + ": recorded ")
                    && !second.failedCheckpoints.get(0).contains("; ");
            out.println();
            out.println(outcome.caught
                    ? "The changed page failed its checkpoint on the changed property alone."
                    : "The changed page was NOT caught as it should be.");
        } finally {
            RecordAndReplay.deleteCopy(copy);
            RecordAndReplay.deleteCopy(traces);
        }
        return outcome;
    }

    // Records the session: a first recording lets the start page settle (the component
    // connects while it loads), the second one is kept.
    private static void record(SimulatedMozilla browser, Session session, List<String> script, PrintStream out)
            throws IOException {
        browser.command("start record\n");
        browser.nextLine(20_000);
        browser.settle();
        browser.command("stop record\n");
        browser.settle();
        browser.lines(300);

        browser.command("start record\n");
        String launch = browser.nextLine(20_000);
        if (launch == null) {
            throw new IOException("no launch line came");
        }
        script.add(launch);
        browser.settle();
        for (String step : session.steps) {
            if (step.startsWith(CHECKPOINT)) {
                String rest = step.substring(CHECKPOINT.length());
                int blank = rest.indexOf(' ');
                String mode = rest.substring(0, blank);
                String action = rest.substring(blank + 1);
                String word = mode.equals("element") ? "gui" : mode;
                out.println("  user picks a checkpoint (" + mode + "): " + action);
                browser.command(word + " checkpoint\n");
                browser.user(action);
                script.addAll(untilCheckpoint(browser));
                browser.command("stop " + word + " checkpoint\n");
            } else {
                out.println("  user: " + step);
                browser.user(step);
                script.addAll(browser.lines(step.startsWith("frame") || step.startsWith("window") ? 50 : 500));
            }
        }
        script.addAll(browser.lines(500));
        browser.command("stop record\n");
    }

    // The lines up to and including the checkpoint line, and any that follow at once.
    private static List<String> untilCheckpoint(SimulatedMozilla browser) {
        List<String> lines = new ArrayList<>();
        for (String line = browser.nextLine(10_000); line != null; line = browser.nextLine(10_000)) {
            lines.add(line);
            if (line.startsWith(MozillaCheckpointVerifier.CHECKPOINT)) {
                break;
            }
        }
        lines.addAll(browser.lines(200));
        return lines;
    }

    /** What one replay did. */
    private static final class Replay {
        boolean allSucceeded = true;
        int checkpoints;
        final List<String> failedCheckpoints = new ArrayList<>();
    }

    // Plays the script in a fresh browser: lines through the player, checkpoints through
    // the verifier.
    private static Replay replay(Path executable, Path components, Path trace, List<String> script, PrintStream out)
            throws IOException {
        Replay replay = new Replay();
        try (SimulatedMozilla browser = new SimulatedMozilla(executable, components, trace, "about:blank")) {
            // The demo and the tests scale the browser's waits down (PLATFORM_TIME_SCALE), so a
            // window search ends well within the time given to a reply.
            MozillaScriptPlayer.Options options = new MozillaScriptPlayer.Options();
            options.replyMillis = 10_000;
            MozillaScriptPlayer player = new MozillaScriptPlayer(browser.server(), options);
            MozillaCheckpointVerifier verifier = new MozillaCheckpointVerifier(player);
            player.start();
            for (String line : script) {
                if (line.startsWith(MozillaCheckpointVerifier.CHECKPOINT)) {
                    ++replay.checkpoints;
                    CheckpointVerifier.Result result = verifier.verify(line);
                    out.println("  " + result + "  [" + checkpointSummary(line) + "]");
                    if (!result.passed()) {
                        replay.failedCheckpoints.add(result.toString());
                    }
                    continue;
                }
                String word = player.playLine(line);
                replay.allSucceeded &= word.equals("SUCCESS");
                out.printf("  %-24s %s%n", word, summary(line));
            }
        }
        return replay;
    }

    // The action of a recorded line and what it names: the window, the element's id,
    // name or text, the address.
    private static String summary(String line) {
        String text = line.startsWith(MozillaScriptPlayer.RECORDED)
                ? line.substring(MozillaScriptPlayer.RECORDED.length()) : line;
        int open = text.indexOf('[');
        if (open < 0) {
            return text.length() > 100 ? text.substring(0, 97) + "..." : text;
        }
        Map<String, String> values = MozillaScriptPlayer.pairs(text.substring(open + 1, text.length() - 1));
        String named = "";
        for (String key : new String[] {"windowname", "id", "name", "innertext", "value"}) {
            String value = values.getOrDefault(key, "NONE");
            if (!value.equals("NONE") && !value.isEmpty()) {
                named = key.equals("windowname") ? "frame " + value : value;
                break;
            }
        }
        if (values.containsKey("windowtitle")) {
            named = (named.isEmpty() ? "" : named + " in ") + "\"" + values.get("windowtitle") + "\"";
        }
        return text.substring(0, open) + " " + named;
    }

    // What a checkpoint line was taken on: its element's id or name, the table, the text.
    private static String checkpointSummary(String line) {
        Map<String, String> values =
                MozillaScriptPlayer.pairs(line.substring(MozillaCheckpointVerifier.CHECKPOINT.length()));
        for (String key : new String[] {"id", "name", "innertext", "firstcellvalue", "selectedText"}) {
            String value = values.getOrDefault(key, "NONE");
            if (!value.equals("NONE") && !value.isEmpty()) {
                return value.length() > 40 ? value.substring(0, 37) + "..." : value;
            }
        }
        return "";
    }
}
