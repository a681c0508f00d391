"""Drives `tamberlinove --headless` over its JSON-lines protocol for end-to-end tests."""

import json
import os
import queue
import sqlite3
import subprocess
import tempfile
import threading
import unittest

APP = os.environ.get("TAMBERLINOVE_APP", "tamberlinove")
TIME = "2026-12-07T09:30:00+09:00"


class Driver:
    def __init__(self, *args, data_dir=None, timeout=60):
        self._tmp = None
        if data_dir is None:
            self._tmp = tempfile.TemporaryDirectory(prefix="tamberlinove-e2e-")
            data_dir = self._tmp.name
        self.data_dir = data_dir
        self.timeout = timeout
        env = dict(os.environ, LC_ALL="C.UTF-8", QT_QPA_PLATFORM="offscreen")
        self.proc = subprocess.Popen(
            [APP, "--headless", "--data-dir", data_dir, *args],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
            env=env, text=True, encoding="utf-8")
        self._lines = queue.Queue()
        threading.Thread(target=self._pump, daemon=True).start()
        self.stderr = []
        threading.Thread(target=self._pump_err, daemon=True).start()

    def _pump(self):
        for line in self.proc.stdout:
            self._lines.put(line)
        self._lines.put(None)

    def _pump_err(self):
        for line in self.proc.stderr:
            self.stderr.append(line)

    def next_event(self):
        line = self._lines.get(timeout=self.timeout)
        if line is None:
            raise EOFError("the driver closed its output; stderr: " + "".join(self.stderr))
        return json.loads(line)

    def wait_for(self, name):
        """Events up to and including the first one called `name`."""
        seen = []
        while True:
            event = self.next_event()
            seen.append(event)
            if event.get("event") == name:
                return seen

    def command(self, cmd, **fields):
        """Sends a command; returns (events before the answer, the answer)."""
        self.proc.stdin.write(json.dumps(dict(cmd=cmd, **fields), ensure_ascii=False) + "\n")
        self.proc.stdin.flush()
        events = []
        while True:
            event = self.next_event()
            if event.get("event") in ("done", "error") and event.get("cmd") == cmd:
                return events, event
            events.append(event)

    def ok(self, cmd, **fields):
        events, answer = self.command(cmd, **fields)
        if answer["event"] != "done":
            raise AssertionError(f"{cmd} failed: {answer}")
        return events

    def dump(self):
        events = self.ok("dump")
        return [e for e in events if e.get("event") == "dump"][-1]

    def quit(self):
        self.ok("quit")
        return self.proc.wait(timeout=self.timeout)

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        with self.proc:  # closes the pipes and reaps the process
            pass
        if self._tmp:
            self._tmp.cleanup()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def outlets(dump, screen=-1):
    return dump["screens"][screen]["outlets"]


def of(events, name):
    return [e for e in events if e.get("event") == name]


class DriverTest(unittest.TestCase):
    """A test with a data folder of its own, on which it starts drivers."""

    def setUp(self):
        tmp = tempfile.TemporaryDirectory(prefix="tamberlinove-e2e-")
        self.addCleanup(tmp.cleanup)
        self.data = tmp.name

    def start(self, *args, time=TIME):
        d = Driver("--virtual-time", time, *args, data_dir=self.data)
        self.addCleanup(d.close)
        d.wait_for("ready")
        return d


# The tables as the app creates them, one statement a line (the storage tests keep it so).
SCHEMA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data",
                      "storage", "create_statements.sql")


def store(data_dir, **fields):
    row = dict(airline="대한항공", flightId="KE701", scheduleDate="20261207",
               scheduleDate_Departure="20261207", scheduleTime_Departure="1030",
               scheduleDate_Arrival="20261207", scheduleTime_Arrival="1255",
               estimatedDate_Departure="", estimatedTime_Departure="",
               estimatedDate_Arrival="", estimatedTime_Arrival="", airport="",
               airport_departure="인천", airport_arrival="나리타", airportcode_departure="ICN",
               airportcode_arrival="NRT", gatenumber="", carousel="", exitnumber="",
               remark="", chkinrange="", io="1")
    row.update(fields)
    db = sqlite3.connect(os.path.join(data_dir, "tamberlinove_v2.sqlite3"))
    db.execute("PRAGMA user_version = 13")
    with open(SCHEMA, encoding="utf-8") as f:
        for statement in filter(None, f.read().split("\n")):
            db.execute(statement)
    db.execute(f"INSERT INTO aFlightInfo({', '.join(row)}) VALUES({', '.join('?' * len(row))})",
               list(row.values()))
    db.commit()
    db.close()
