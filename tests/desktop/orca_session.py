# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca on a private session: its own accessibility bus, speech-dispatcher into libao's null
driver (no sound card), Orca in a process namespace where its single-instance check sees only
itself. Its speech is read from its debug log through a terminal, line by line as written; keys
go to the focused window through xdotool. Needs DISPLAY, a session bus and a private HOME."""

import os
import re
import subprocess
import threading
import time
import tty


class Failed(Exception):
    pass


def wait_for(what, condition, seconds=60):
    """The first true value of condition(), polled."""
    deadline = time.monotonic() + seconds
    while not (value := condition()):
        if time.monotonic() > deadline:
            raise Failed("waited in vain for " + what)
        time.sleep(0.05)
    return value


def quiet_speech():
    """speech-dispatcher's own settings, with libao's null driver as its output."""
    folder = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(folder)
    for name in ("clients", "modules"):
        os.symlink("/etc/speech-dispatcher/" + name, os.path.join(folder, name))
    with open("/etc/speech-dispatcher/speechd.conf") as system:
        conf = system.read() + '\nAudioOutputMethod "libao"\n'
    for path, text in ((os.path.join(folder, "speechd.conf"), conf),
                       (os.path.join(os.environ["HOME"], ".libao"), "default_driver=null\n")):
        with open(path, "w") as file:
            file.write(text)


# The first process of Orca's namespace: it starts Orca, collects whatever ends there (Orca's
# speech-dispatcher runs as a daemon), and ends Orca once its input closes. As it ends, so does
# everything else in the namespace.
NAMESPACE_INIT = """
import os, subprocess, sys, threading
orca = subprocess.Popen(sys.argv[1:], stdin=subprocess.DEVNULL)
threading.Thread(target=lambda: (sys.stdin.read(), orca.terminate()), daemon=True).start()
while os.wait()[0] != orca.pid:
    pass
"""


class Orca:
    """A running Orca and everything it has said."""

    def __init__(self):
        quiet_speech()
        self.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        wait_for("the accessibility bus", lambda: subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True).returncode == 0)
        self.said = []
        reader, writer = os.openpty()
        tty.setraw(writer)
        # Root makes the process namespace itself; anyone else needs a user namespace first,
        # which the kernel refuses inside a chroot.
        user = [] if os.geteuid() == 0 else ["--user", "--map-current-user"]
        self.process = subprocess.Popen(
            ["unshare", *user, "--pid", "--fork", "--mount-proc", "--kill-child",
             "python3", "-c", NAMESPACE_INIT, "orca", "--debug-file=" + os.ttyname(writer)],
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        self.terminal = writer  # held open: a terminal closed on both sides cannot be reopened
        threading.Thread(target=self._listen, args=(reader,), daemon=True).start()
        self.heard("Screen reader on", seconds=90)

    def _listen(self, reader):
        try:
            for line in open(reader, "rb"):
                spoken = re.search(rb"SPEECH OUTPUT: '(.*)'(\s*\{.*\}|\s*voice=\w+)?\s*$", line)
                if spoken:  # Orca 43 ends most utterances with ". " or " ", Orca 48 fewer
                    self.said.append(spoken.group(1).decode(errors="replace").rstrip(". "))
        except OSError:  # the terminal's end, once Orca is gone
            pass

    def mark(self):
        """Where what is said from now on begins."""
        return len(self.said)

    def heard(self, pattern, since=0, seconds=60):
        """The first utterance after `since` that matches the pattern in full."""
        match = re.compile(pattern).fullmatch
        try:
            return wait_for(pattern, lambda: next(
                filter(None, map(match, self.said[since:])), None), seconds)
        except Failed:
            raise Failed("Orca did not say %r; it said %r" % (pattern, self.said[since:][-8:]))

    def settle(self, moment=0.5):
        """Waits until Orca has said nothing for a moment, as a player listens to the end before
        the next key: what is still to come of one key is then not taken for the next one's."""
        heard, since = self.mark(), time.monotonic()

        def silent():
            nonlocal heard, since
            if self.mark() != heard:
                heard, since = self.mark(), time.monotonic()
            return time.monotonic() - since >= moment
        wait_for("Orca to fall silent", silent)

    def key(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)

    def close(self):
        self.process.stdin.close()  # the namespace's first process ends Orca, then itself
        self.bus.terminate()
        for process in (self.process, self.bus):
            try:
                process.wait(15)
            except subprocess.TimeoutExpired:
                process.kill()
        os.close(self.terminal)
