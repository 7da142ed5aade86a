package com.corvalen.tarnwell.demo;

import com.corvalen.tarnwell.testbed.SimulatedInternetExplorer;
import com.corvalen.tarnwell.web.controller.IEBrowserController;
import com.corvalen.tarnwell.web.replay.IEPlayBackControl;
import com.corvalen.tarnwell.web.replay.RecordedScriptPlayer;

import java.util.ArrayList;
import java.util.List;

/**
 * Records what the simulated user does on the sample site in the simulated Internet
 * Explorer, prints the recorded script, plays it back in a fresh browser through the
 * reference player and tells whether the replay left the pages as the session did.
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
    };

    public static void main(String[] args) throws InterruptedException {
        String site = args[0];
        System.loadLibrary("skerrow");
        System.loadLibrary("testbed_ie");

        System.out.println("== Recording on " + site + "/index.html");
        IEBrowserController controller = new IEBrowserController();
        controller.LaunchBrowser(0);
        user("open " + site + "/index.html");
        Thread recording = new Thread(() -> controller.StartRecording(false), "record loop");
        recording.start();
        List<String> script = new ArrayList<>();
        collect(controller, script, 10_000); // the launch line
        for (String step : SESSION) {
            System.out.println("  user: " + step.replace("\n", " / "));
            user(step);
            settle();
            if (step.equals("click #popupLink")) {
                waitForWindows(2);
            } else if (step.equals("close")) {
                waitForWindows(1);
            }
        }
        String recorded = SimulatedInternetExplorer.pageState();
        collect(controller, script, 1_000);
        user("close");
        recording.join(10_000);

        System.out.println();
        System.out.println("== Recorded script (" + script.size() + " lines)");
        for (String line : script) {
            System.out.println("  " + line);
        }

        System.out.println();
        System.out.println("== Replay in a fresh browser");
        IEPlayBackControl control = new IEPlayBackControl();
        control.launchBrowser("");
        control.setMaxTimeLimit(30);
        RecordedScriptPlayer player = new RecordedScriptPlayer(control, 200);
        boolean allSucceeded = true;
        for (String line : script) {
            String word = player.playLine(line);
            allSucceeded &= word.equals("SUCCESS");
            String action = line.contains("[") ? line.substring(0, line.indexOf('[')) : line;
            System.out.printf("  %-8s %s%n", word, action);
        }
        String replayed = SimulatedInternetExplorer.pageState();
        for (int i = 0; i < 50 && !replayed.equals(recorded); ++i) {
            Thread.sleep(200);
            replayed = SimulatedInternetExplorer.pageState();
        }

        System.out.println();
        System.out.println("== Page state");
        System.out.println("  after the session: " + recorded.replace("\r\n", "\\r\\n"));
        System.out.println("  after the replay:  " + replayed.replace("\r\n", "\\r\\n"));
        boolean same = replayed.equals(recorded);
        System.out.println();
        System.out.println(same && allSucceeded
                ? "The replay reproduced the session: every line SUCCESS, the same page state."
                : "The replay did NOT reproduce the session.");
        user("close");
        player.awaitPlayLoopEnd(10_000);
        if (!(same && allSucceeded)) {
            System.exit(1);
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

    // Takes the recorded lines that arrive until none has come for `quietMillis`.
    private static void collect(IEBrowserController controller, List<String> script, long quietMillis) {
        for (String call = controller.callbacks.next(quietMillis); call != null;
                call = controller.callbacks.next(quietMillis)) {
            if (call.startsWith("receiveEvents:")) {
                script.add(call.substring("receiveEvents:".length()));
            }
        }
    }
}
