// The record loop and the other work behind the plain exports of skerrow.
#pragma once

// Runs the record loop on the calling thread (the first call blocks until every browser
// window has closed); with a recorder thread already running it only records a fresh
// launch line when `relaunch` is set.
void runRecordLoop(int relaunch);

// Creates the four events the record loop waits on (once per process).
void createRecordEvents();
