# SPDX-FileCopyrightText: 2026 The Tolvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Orca, the screen reader, on a private session: its own accessibility bus, speech-dispatcher
speaking into libao's null driver (no sound card needed), and Orca in a process namespace of its
own, where its single-instance check sees only itself and ends, with everything it started,
when the session ends. What it speaks is read from its debug log, through a terminal so that
each line arrives as it is written. Keys go to the focused window through xdotool, as typed.
Needs DISPLAY, a session bus and a private HOME and XDG folders (on_desktop.sh and
dbus-run-session give them)."""

import os
import re
import shutil
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
    """speech-dispatcher's own settings with libao as its output, whose default driver is the
    null one."""
    home, config = os.environ["HOME"], os.environ["XDG_CONFIG_HOME"]
    folder = os.path.join(config, "speech-dispatcher")
    os.makedirs(folder, exist_ok=True)
    for name in ("clients", "modules"):
        os.symlink("/etc/speech-dispatcher/" + name, os.path.join(folder, name))
    shutil.copy("/etc/speech-dispatcher/speechd.conf", folder)
    with open(os.path.join(folder, "speechd.conf"), "a") as conf:
        conf.write('\nAudioOutputMethod "libao"\n')
    with open(os.path.join(home, ".libao"), "w") as libao:
        libao.write("default_driver=null\n")


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
        self.said, self.log = [], open(os.path.join(os.environ["HOME"], "orca.log"), "w")
        reader, writer = os.openpty()
        tty.setraw(writer)
        self.process = subprocess.Popen(
            ["unshare", "--user", "--map-current-user", "--pid", "--fork", "--mount-proc",
             "--kill-child", "python3", "-c", NAMESPACE_INIT,
             "orca", "--debug-file=" + os.ttyname(writer)],
            stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        self.terminal = writer  # held open: a terminal closed on both sides cannot be reopened
        threading.Thread(target=self._listen, args=(reader,), daemon=True).start()
        self.heard("Screen reader on.", seconds=90)

    def _listen(self, reader):
        with open(reader, "rb", buffering=0) as lines:
            pending, chunk = b"", True
            while chunk:
                try:
                    chunk = lines.read(65536)
                except OSError:  # the terminal's end, once Orca is gone
                    break
                pending += chunk
                *complete, pending = pending.split(b"\n")
                for line in complete:
                    text = line.decode(errors="replace")
                    self.log.write(text + "\n")
                    spoken = re.search(r"SPEECH OUTPUT: '(.*)'(\s*\{.*\}|\s*voice=\w+)?\s*$", text)
                    if spoken:
                        self.said.append(spoken.group(1))

    def mark(self):
        """Where what is said from now on begins."""
        return len(self.said)

    def since(self, mark):
        return self.said[mark:]

    def heard(self, pattern, since=0, seconds=60):
        """The first utterance after `since` that matches the pattern in full."""
        return wait_for("Orca to say %r, after %r" % (pattern, self.said[since:][-8:]), lambda: next(
            (m for m in map(re.compile(pattern).fullmatch, self.said[since:]) if m), None),
            seconds)

    def key(self, *names):
        subprocess.run(["xdotool", "key", "--delay", "60", *names], check=True)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)

    def close(self):
        self.process.stdin.close()
        self.bus.terminate()
        for process in (self.process, self.bus):
            try:
                process.wait(15)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        os.close(self.terminal)
        self.log.close()
