package com.corvalen.tarnwell.testbed;

import java.util.concurrent.BlockingQueue;
import java.util.concurrent.LinkedBlockingQueue;
import java.util.concurrent.TimeUnit;

/**
 * Keeps what the native libraries hand to a host object through its callbacks, in
 * arrival order, so that tests and the demo can wait for it. Every callback is
 * recorded as "method:text", in one queue, so the order across methods is kept too.
 */
public final class CallbackRecorder {
    private final BlockingQueue<String> calls = new LinkedBlockingQueue<>();

    public void record(String method, String text) {
        calls.add(method + ":" + text);
    }

    /** The next callback as "method:text", or null when none arrives in time. */
    public String next(long timeoutMillis) {
        try {
            return calls.poll(timeoutMillis, TimeUnit.MILLISECONDS);
        } catch (InterruptedException e) {
            Thread.currentThread().interrupt();
            return null;
        }
    }

    /** How many callbacks are waiting to be taken. */
    public int pending() {
        return calls.size();
    }
}
