package com.corvalen.tarnwell.web.client;

import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.OutputStream;
import java.net.InetAddress;
import java.net.ServerSocket;
import java.net.Socket;
import java.net.SocketTimeoutException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.concurrent.BlockingQueue;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;
import java.util.function.Consumer;

/**
 * The host's end of the connection to the Mozilla component: a TCP server on the
 * loopback interface that the component, started inside Mozilla, connects to.
 *
 * <p>The component reads one message per receive, of at most 2048 bytes, so each command
 * word ("start record\n", "play\n", ...) and each command document is written as one
 * message; a caller sends the next one after the component has had time to read the last
 * (typically after its reply). What the component sends back is read as UTF-8, line by
 * line, and every line is handed on in the order it arrived: to the consumer given to
 * {@link #accept}, or kept for {@link #nextLine}. A later {@link #accept} (the browser
 * started again, a second component) makes its connection the current one.
 */
public final class ComponentServer implements AutoCloseable {
    /** The most bytes the component takes in one message. */
    public static final int MESSAGE_LIMIT = 2048;

    private static final Object END = new Object();

    private final ServerSocket listener;
    // The lines of the current connection; each connection has its own, so that the end
    // of an earlier one does not end the lines of the next.
    private volatile BlockingQueue<Object> lines = new LinkedBlockingQueue<>();
    private Socket connection;
    private OutputStream out;
    private Thread reader;

    /** Listens on a free port of the loopback interface. */
    public ComponentServer() throws IOException {
        listener = new ServerSocket(0, 1, InetAddress.getLoopbackAddress());
    }

    public int port() {
        return listener.getLocalPort();
    }

    /** The address the component must be given (a dotted IPv4 address, no name). */
    public String host() {
        return listener.getInetAddress().getHostAddress();
    }

    /**
     * Starts the Mozilla executable with the components folder holding the component and
     * the environment that tells the component where to connect and where to trace.
     * Further arguments (the start page, a user script ...) follow the folder.
     */
    public Process launchMozilla(Path executable, Path componentsFolder, Path traceFile, List<String> arguments)
            throws IOException {
        List<String> command = new ArrayList<>();
        command.add(executable.toString());
        command.add("--components");
        command.add(componentsFolder.toString());
        command.addAll(arguments);
        ProcessBuilder builder = new ProcessBuilder(command).redirectErrorStream(true)
                .redirectOutput(ProcessBuilder.Redirect.DISCARD);
        Map<String, String> environment = builder.environment();
        environment.put("TW_SERVER_HOST", host());
        environment.put("TW_SERVER_PORT", Integer.toString(port()));
        environment.put("TW_LOG_DIR", traceFile.toString());
        return builder.start();
    }

    /**
     * Waits for the component's connection; from then on its lines go to {@code lineSink}
     * (or, when that is null, to {@link #nextLine}). Returns false when none came in time.
     */
    public boolean accept(long timeoutMillis, Consumer<String> lineSink) throws IOException {
        listener.setSoTimeout((int) Math.max(1, Math.min(timeoutMillis, Integer.MAX_VALUE)));
        Socket socket;
        try {
            socket = listener.accept();
        } catch (SocketTimeoutException e) {
            return false;
        }
        socket.setTcpNoDelay(true);
        if (connection != null) {
            connection.close();
        }
        connection = socket;
        out = socket.getOutputStream();
        BlockingQueue<Object> connectionLines = new LinkedBlockingQueue<>();
        lines = connectionLines;
        Consumer<String> sink = lineSink != null ? lineSink : connectionLines::add;
        reader = new Thread(() -> readLines(socket, sink, connectionLines), "component lines");
        reader.setDaemon(true);
        reader.start();
        return true;
    }

    private static void readLines(Socket socket, Consumer<String> sink, BlockingQueue<Object> connectionLines) {
        try (BufferedReader in = new BufferedReader(
                new InputStreamReader(socket.getInputStream(), StandardCharsets.UTF_8))) {
            for (String line = in.readLine(); line != null; line = in.readLine()) {
                sink.accept(line);
            }
        } catch (IOException e) {
            // The connection ended; what arrived before has been handed on.
        } finally {
            connectionLines.add(END);
        }
    }

    /**
     * Sends one command word or command document as one message, as UTF-8. A message the
     * component could not take in one receive is refused rather than split.
     */
    public void send(String message) throws IOException {
        byte[] bytes = message.getBytes(StandardCharsets.UTF_8);
        if (bytes.length == 0 || bytes.length > MESSAGE_LIMIT) {
            throw new IllegalArgumentException("a message is 1 to " + MESSAGE_LIMIT + " bytes, not " + bytes.length);
        }
        if (out == null) {
            throw new IOException("the component has not connected");
        }
        out.write(bytes);
        out.flush();
    }

    /**
     * The next line the component sent, without its line end; null when none arrives in
     * time or the connection has ended (lines given to a consumer do not come here).
     */
    public String nextLine(long timeoutMillis) {
        BlockingQueue<Object> current = lines;
        try {
            Object next = current.poll(timeoutMillis, TimeUnit.MILLISECONDS);
            if (next == END) {
                current.add(END);
                return null;
            }
            return (String) next;
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            return null;
        }
    }

    /** Whether the component has closed its end (every line before it has been read). */
    public boolean waitForEnd(long timeoutMillis) throws InterruptedException {
        if (reader == null) {
            return false;
        }
        reader.join(Math.max(1, timeoutMillis));
        return !reader.isAlive();
    }

    @Override
    public void close() throws IOException {
        try {
            if (connection != null) {
                connection.close();
            }
        } finally {
            listener.close();
        }
    }
}
