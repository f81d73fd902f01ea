"""The end-to-end harness: the real Windows programs under Wine in a private virtual X display,
looked at from outside (X window tree, the system's window list through the probes, screen
pixels), with one way to start, wait, click, read pixels and take screenshots."""
