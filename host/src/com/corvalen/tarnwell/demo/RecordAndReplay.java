package com.corvalen.tarnwell.demo;

import com.corvalen.tarnwell.testbed.SimulatedInternetExplorer;
import com.corvalen.tarnwell.web.controller.IEBrowserController;
import com.corvalen.tarnwell.web.replay.IEPlayBackControl;
import com.corvalen.tarnwell.web.replay.CheckpointVerifier;
import com.corvalen.tarnwell.web.replay.RecordedScriptPlayer;

import java.io.IOException;
import java.net.URI;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.nio.file.StandardCopyOption;
import java.util.ArrayList;
import java.util.List;
import java.util.stream.Stream;

/**
 * Records what the simulated user does on the sample site in the simulated Internet
 * Explorer (pages, frames, a pop-up window, an address typed, a confirm, a prompt and an
 * alert answered, the toolbar's Back), with one checkpoint of each kind picked at the
 * end, prints the recorded script, plays it back in a fresh browser through the reference player and tells
 * whether the replay left the pages as the session did and every checkpoint verified.
 * Then it changes one attribute of the recorded page and replays again: the element
 * checkpoint on that page must fail on the changed key.
 *
 * <p>The session is recorded on a copy of the site in a temporary folder.
 *
 * <p>Argument: the sample site's folder as a file URL.
 */
public final class RecordAndReplay {
    private RecordAndReplay() {}

    /** What the user does, one user-script step at a time (at the newest window). */
    private static final String[] SESSION = {
        "click #popupLink",
        "click #message",
        "close",
        "click #framesLink",
        "frame nav\nclick #toForm",
        "frame right\ntype name=customer Bo",
        "frame nav\nclick #toTop",
        "click #formLink",
        "type name=customer Ann Example",
        "type name=secret s3cret",
        "type name=notes , gift wrap please",
        "click name=gift",
        "click #sizeL",
        "choose name=extras Cable|Charger",
        "choose name=colour Blue",
        // The browser's own windows: an address typed, the page's dialogs answered, and
        // the toolbar's Back to the order form.
        "open {site}/dialogs.html",
        "click #confirmButton",
        "dialog OK",
        "click #promptButton",
        "dialog OK Ada",
        "click #alertButton",
        "dialog OK",
        "back",
    };

    /**
     * The checkpoints picked after the session, as (checkpoint type, user step): the name
     * field (element), the heading's text (text), then, two pages on, a cell of the price
     * table (table). Steps of type -1 are recorded actions between them.
     */
    private static final Object[][] CHECKPOINTS = {
        {0, "click #customer"},
        {1, "selecttext H2[0]"},
        {-1, "click A[0]"},
        {-1, "click #tablesLink"},
        {2, "click #itemA"},
    };

    /** How a checkpoint is kept in the script, before its property list. */
    private static final String CHECKPOINT = "checkpoint ";

    public static void main(String[] args) throws Exception {
        // The site is recorded from a copy, so that the copy can be changed afterwards.
        Path site = copySite(Paths.get(URI.create(args[0])), "tarnwell-demo-site");
        String siteUrl = site.toUri().toString().replaceAll("/$", "");
        System.loadLibrary("skerrow");
        System.loadLibrary("testbed_ie");

        System.out.println("== Recording on " + siteUrl + "/index.html");
        IEBrowserController controller = new IEBrowserController();
        controller.LaunchBrowser(0);
        user("open " + siteUrl + "/index.html");
        Thread recording = new Thread(() -> controller.StartRecording(false), "record loop");
        recording.start();
        List<String> script = new ArrayList<>();
        collect(controller, script, 10_000); // the launch line
        for (String template : SESSION) {
            String step = template.replace("{site}", siteUrl);
            System.out.println("  user: " + step.replace("\n", " / "));
            user(step);
            settle();
            if (step.equals("click #popupLink")) {
                waitForWindows(2);
            } else if (step.equals("close")) {
                waitForWindows(1);
            }
        }
        collect(controller, script, 1_000);
        String recorded = SimulatedInternetExplorer.pageState();
        int stateAt = script.size();
        for (Object[] pick : CHECKPOINTS) {
            int type = (Integer) pick[0];
            String step = (String) pick[1];
            if (type >= 0) {
                System.out.println("  user picks a checkpoint (" + KINDS[type] + "): " + step);
                controller.SelectCheckPoint(type);
                user(step);
                collect(controller, script, 1_000);
                controller.DisableCheckPointMode();
            } else {
                System.out.println("  user: " + step);
                user(step);
                settle();
                collect(controller, script, 1_000);
            }
        }
        user("close");
        recording.join(10_000);

        System.out.println();
        System.out.println("== Recorded script (" + script.size() + " lines)");
        for (String line : script) {
            System.out.println("  " + (line.length() > 160 ? line.substring(0, 157) + "..." : line));
        }

        System.out.println();
        System.out.println("== Replay in a fresh browser");
        Replay first = replay(script, stateAt);
        boolean same = first.state.equals(recorded);
        System.out.println();
        System.out.println("== Page state before the checkpoints");
        System.out.println("  after the session: " + recorded.replace("\r\n", "\\r\\n"));
        System.out.println("  after the replay:  " + first.state.replace("\r\n", "\\r\\n"));
        boolean reproduced = same && first.allSucceeded && first.failedCheckpoints.isEmpty();
        System.out.println();
        System.out.println(reproduced
                ? "The replay reproduced the session: every line SUCCESS, the same page state, every checkpoint PASSED."
                : "The replay did NOT reproduce the session.");

        System.out.println();
        Path form = site.resolve("form.html");
        String page = new String(Files.readAllBytes(form), StandardCharsets.ISO_8859_1);
        Files.write(form, page.replace("title=\"Your name\"", "title=\"Full name\"")
                .getBytes(StandardCharsets.ISO_8859_1));
        System.out.println("== Replay after the name field's tool tip changed on the order form");
        Replay second = replay(script, stateAt);
        boolean caught = second.allSucceeded && second.failedCheckpoints.size() == 1
                && second.failedCheckpoints.get(0).contains("tooltip: recorded 'Your name', now 'Full name'");
        System.out.println();
        System.out.println(caught
                ? "The changed page failed its element checkpoint on the changed key alone."
                : "The changed page was NOT caught as it should be.");
        deleteCopy(site);
        if (!(reproduced && caught)) {
            System.exit(1);
        }
    }

    private static final String[] KINDS = {"element", "text", "table"};

    /** What one replay did. */
    private static final class Replay {
        boolean allSucceeded = true;
        final List<String> failedCheckpoints = new ArrayList<>();
        String state = "";
    }

    // Plays the script in a fresh browser: lines through the player, checkpoints through
    // the verifier. The page state is taken when the line at `stateAt` is reached.
    private static Replay replay(List<String> script, int stateAt) throws InterruptedException {
        Replay replay = new Replay();
        IEPlayBackControl control = new IEPlayBackControl();
        control.launchBrowser("");
        control.setMaxTimeLimit(30);
        RecordedScriptPlayer player = new RecordedScriptPlayer(control, 200);
        CheckpointVerifier verifier = new CheckpointVerifier(control);
        for (int i = 0; i < script.size(); ++i) {
            if (i == stateAt) {
                replay.state = settledState();
            }
            String line = script.get(i);
            if (line.startsWith(CHECKPOINT)) {
                CheckpointVerifier.Result result = verifier.verify(line.substring(CHECKPOINT.length()));
                System.out.println("  " + result);
                if (!result.passed()) {
                    replay.failedCheckpoints.add(result.toString());
                }
                continue;
            }
            String word = player.playLine(line);
            replay.allSucceeded &= word.equals("SUCCESS");
            String action = line.contains("[") ? line.substring(0, line.indexOf('[')) : line;
            System.out.printf("  %-8s %s%n", word, action);
        }
        user("close");
        player.awaitPlayLoopEnd(10_000);
        return replay;
    }

    // The page state once the last action has had its effect (it runs on the library's
    // thread): the state that stays the same for a moment.
    private static String settledState() throws InterruptedException {
        String state = SimulatedInternetExplorer.pageState();
        for (int i = 0; i < 10; ++i) {
            Thread.sleep(200);
            String again = SimulatedInternetExplorer.pageState();
            if (again.equals(state)) {
                return state;
            }
            state = again;
        }
        return state;
    }

    /** A copy of the site in a new temporary folder named with `prefix`. */
    static Path copySite(Path from, String prefix) throws IOException {
        Path to = Files.createTempDirectory(prefix);
        try (Stream<Path> files = Files.walk(from)) {
            for (Path file : (Iterable<Path>) files::iterator) {
                Path target = to.resolve(from.relativize(file).toString());
                if (Files.isDirectory(file)) {
                    Files.createDirectories(target);
                } else {
                    Files.copy(file, target, StandardCopyOption.REPLACE_EXISTING);
                }
            }
        }
        return to;
    }

    /** Deletes a folder and everything in it. */
    static void deleteCopy(Path site) throws IOException {
        try (Stream<Path> files = Files.walk(site)) {
            List<Path> all = new ArrayList<>();
            files.forEach(all::add);
            for (int i = all.size() - 1; i >= 0; --i) {
                Files.deleteIfExists(all.get(i)); // children before their folders
            }
        }
    }

    private static void user(String step) {
        String failed = SimulatedInternetExplorer.run(step);
        if (failed != null) {
            throw new IllegalStateException("the simulated user could not do it: " + failed);
        }
    }

    // A person looks at the page before acting again; the browser meanwhile finishes
    // what the action started (a new page gets its recording attached).
    private static void settle() throws InterruptedException {
        Thread.sleep(300);
    }

    private static void waitForWindows(int count) throws InterruptedException {
        for (int i = 0; i < 100 && SimulatedInternetExplorer.windowCount() != count; ++i) {
            Thread.sleep(50);
        }
    }

    // Takes the recorded lines and checkpoints that arrive until none has come for
    // `quietMillis`.
    private static void collect(IEBrowserController controller, List<String> script, long quietMillis) {
        for (String call = controller.callbacks.next(quietMillis); call != null;
                call = controller.callbacks.next(quietMillis)) {
            if (call.startsWith("receiveEvents:")) {
                script.add(call.substring("receiveEvents:".length()));
            } else if (call.startsWith("receiveCheckPoints:")) {
                script.add(CHECKPOINT + call.substring("receiveCheckPoints:".length()));
            }
        }
    }
}
