"""Starts `Velloro --serve` on a free loopback port as a child process and
ends it; shared by the tests that drive the service from outside."""
import os
import re
import subprocess
import threading
import time
import urllib.request

STARTUP_SECONDS = 20
ANSWER_SECONDS = 20


def fetch(url, headers=None):
    """Status, headers and body of GET `url`, whatever the status."""
    request = urllib.request.Request(url, headers=headers or {})
    try:
        with urllib.request.urlopen(request, timeout=ANSWER_SECONDS) as answer:
            return answer.status, dict(answer.headers), answer.read()
    except urllib.error.HTTPError as error:
        return error.code, dict(error.headers), error.read()


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class Service:
    def __init__(self, program, *options):
        environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        self.process = subprocess.Popen(
            [program, "--serve", "--port", "0", *options],
            stderr=subprocess.PIPE, stdin=subprocess.DEVNULL, env=environment, text=True)
        self.url = None
        deadline = time.monotonic() + STARTUP_SECONDS
        while self.url is None and time.monotonic() < deadline:
            line = self.process.stderr.readline()
            if not line:
                break
            found = re.search(r"serving on (http://\S+)/", line)
            if found:
                self.url = found.group(1)
        if self.url is None:
            self.stop()
            raise RuntimeError("the service did not start")
        self.port = int(self.url.rsplit(":", 1)[1])
        # The access log is read all along, so that a full pipe never stops
        # the service.
        self.log = []
        self.reader = threading.Thread(target=self.read_log, daemon=True)
        self.reader.start()

    def read_log(self):
        for line in self.process.stderr:
            self.log.append(line)

    def get(self, path, headers=None):
        return fetch(self.url + path, headers)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
