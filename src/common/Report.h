#pragma once

// Failures the user must see. Every report is written to stderr; a Reporter
// that shows boxes also puts it in a message box and waits for the user to
// close it. The program entry owns the one Reporter and decides whether it
// shows boxes: never in an automated run (a box under a virtual display
// blocks forever), so not with --no-boxes, --headless or the environment
// variable QUASARINE_NO_BOXES set to anything but "0". Code that is handed no
// Reporter (null) reports on stderr only, as tests want.

enum class BoxIcon { Exclamation, Information, Error };

class Reporter {
  public:
    explicit Reporter(bool showBoxes) : showBoxes_(showBoxes) {}

    // Whether the environment allows boxes (QUASARINE_NO_BOXES unset or "0").
    static bool boxesAllowedByEnvironment();

    bool showsBoxes() const { return showBoxes_; }
    // Writes "caption: text" to stderr, then shows the box when boxes are on.
    void show(const char* text, const char* caption, BoxIcon icon) const;

  private:
    bool showBoxes_;
};

// A report through `reporter`, or on stderr alone when it is null.
void report(const Reporter* reporter, const char* text, const char* caption, BoxIcon icon);
