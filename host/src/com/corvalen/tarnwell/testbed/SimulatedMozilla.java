package com.corvalen.tarnwell.testbed;

import com.corvalen.tarnwell.web.client.ComponentServer;

import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.TimeUnit;

/**
 * The simulated Mozilla (build/bin/mozilla) as a process, with the component loaded from
 * the components folder and connected to a {@link ComponentServer} of its own. The
 * simulated user's actions (user-script lines) go to the browser's standard input, one
 * line each, and are performed as they arrive.
 *
 * <p>A message to the component must be read before the next one is sent; for command
 * words, which get no reply, {@link #command} waits until the component's trace shows
 * the word read.
 */
public final class SimulatedMozilla implements AutoCloseable {
    private static final long CONNECT_MILLIS = 30_000;
    private static final long TRACE_MILLIS = 20_000;

    private final ComponentServer server;
    private final Process process;
    private final OutputStream user;
    private final Path traceFile;
    private int settles;

    /** Starts the browser on `url` and waits for its component to connect. */
    public SimulatedMozilla(Path executable, Path components, Path traceFile, String url) throws IOException {
        this.traceFile = traceFile;
        server = new ComponentServer();
        Process started = null;
        try {
            started = server.launchMozilla(executable, components, traceFile, List.of("--url", url));
            if (!server.accept(CONNECT_MILLIS, null)) {
                throw new IOException("the component in the browser did not connect");
            }
        } catch (IOException | RuntimeException e) {
            if (started != null) {
                started.destroy();
            }
            server.close();
            throw e;
        }
        process = started;
        user = process.getOutputStream();
    }

    public ComponentServer server() {
        return server;
    }

    /** The simulated user performs one user-script line. */
    public void user(String step) throws IOException {
        user.write((step + "\n").getBytes(StandardCharsets.UTF_8));
        user.flush();
    }

    /**
     * Sends a command word and waits until the component has carried it out: the trace
     * shows a word when it is read, before it is obeyed, so a message no command matches
     * follows, and once that one is read the word's work on the connection thread is done.
     */
    public void command(String word) throws IOException {
        send(word);
        send("settle " + (++settles) + "\n");
    }

    /** Waits until the component has read and done every message sent so far. */
    public void settle() throws IOException {
        send("settle " + (++settles) + "\n");
    }

    // Sends one message and waits for the trace to show it read.
    private void send(String message) throws IOException {
        String read = "message from the server is " + message;
        int before = occurrences(read);
        server.send(message);
        if (!waitForTrace(read, before + 1)) {
            throw new IOException("the component did not read " + message.trim());
        }
    }

    /** The lines that arrive until none has come for `quietMillis`. */
    public List<String> lines(long quietMillis) {
        List<String> lines = new ArrayList<>();
        for (String line = server.nextLine(quietMillis); line != null; line = server.nextLine(quietMillis)) {
            lines.add(line);
        }
        return lines;
    }

    /** The next line, or null when none comes in time. */
    public String nextLine(long timeoutMillis) {
        return server.nextLine(timeoutMillis);
    }

    private boolean waitForTrace(String text, int count) {
        long end = System.currentTimeMillis() + TRACE_MILLIS;
        while (occurrences(text) < count) {
            if (System.currentTimeMillis() > end) {
                return false;
            }
            try {
                Thread.sleep(5);
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                return false;
            }
        }
        return true;
    }

    private int occurrences(String text) {
        String trace;
        try {
            trace = new String(Files.readAllBytes(traceFile), StandardCharsets.UTF_8);
        } catch (IOException e) {
            return 0;
        }
        int count = 0;
        for (int at = trace.indexOf(text); at >= 0; at = trace.indexOf(text, at + text.length())) {
            ++count;
        }
        return count;
    }

    /** Ends the connection and the browser. */
    @Override
    public void close() throws IOException {
        try {
            try {
                server.send("quit\n");
            } catch (IOException | IllegalArgumentException e) {
                // The connection has ended already.
            }
            server.waitForEnd(5_000);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
        } finally {
            process.destroy();
            try {
                if (!process.waitFor(10, TimeUnit.SECONDS)) {
                    process.destroyForcibly();
                }
            } catch (InterruptedException e) {
                Thread.currentThread().interrupt();
                process.destroyForcibly();
            }
            user.close();
            server.close();
        }
    }
}
