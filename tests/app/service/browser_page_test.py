"""The title page in Debian's chromium, headless, driven over the DevTools
protocol on a pipe: typing a title changes the picture after a pause, and a
title holding markup is shown as text, never run.

Usage: browser_page_test.py VELLORO_PROGRAM"""
import json
import os
import re
import subprocess
import sys
import tempfile
import time

from service_process import Service, check

WAIT_SECONDS = 60


class Browser:
    """Chromium with its DevTools protocol on file descriptors 3 and 4."""

    def __init__(self, profile):
        to_browser_read, self.to_browser = os.pipe()
        self.from_browser, from_browser_write = os.pipe()
        os.set_inheritable(to_browser_read, True)
        os.set_inheritable(from_browser_write, True)
        command = ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                   "--remote-debugging-pipe", "--no-first-run", "--user-data-dir=" + profile,
                   "about:blank"]
        self.process = subprocess.Popen(
            command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            close_fds=False,
            preexec_fn=lambda: (os.dup2(to_browser_read, 3), os.dup2(from_browser_write, 4)))
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.pending = b""
        self.number = 0
        self.events = []
        self.session = None

    def call(self, method, **params):
        self.number += 1
        message = {"id": self.number, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            for answer in self.messages():
                if answer.get("id") == self.number:
                    if "error" in answer:
                        raise RuntimeError(f"{method}: {answer['error']}")
                    return answer["result"]
                self.events.append(answer)
        raise RuntimeError(f"{method}: no answer")

    def messages(self):
        chunk = os.read(self.from_browser, 1 << 16)
        if not chunk:
            raise RuntimeError("the browser ended")
        self.pending += chunk
        *whole, self.pending = self.pending.split(b"\0")
        return [json.loads(part) for part in whole]

    def value(self, expression):
        answer = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        return answer["result"].get("value")

    def wait_for(self, expression, what):
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if self.value(expression):
                return
            time.sleep(0.1)
        state = self.value("JSON.stringify({picture: document.getElementById('picture').src,"
                           " problem: document.getElementById('problem').textContent})")
        raise AssertionError(f"{what} did not happen: {expression}; the page: {state}")

    def stop(self):
        self.process.kill()
        self.process.wait()


PICTURE_SHOWN = ("(() => { const p = document.getElementById('picture');"
                 " return p.complete && p.naturalWidth > 0 && p.src.includes(%s); })()")


def run(program):
    service = Service(program)
    profile = tempfile.TemporaryDirectory()
    browser = Browser(profile.name)
    try:
        target = browser.call("Target.createTarget", url="about:blank")["targetId"]
        browser.session = browser.call("Target.attachToTarget", targetId=target,
                                       flatten=True)["sessionId"]
        browser.call("Page.enable")
        browser.call("Page.navigate", url=service.url + "/")
        browser.wait_for(PICTURE_SHOWN % json.dumps("text=My%20Site"), "the first picture")
        browser.wait_for("document.querySelectorAll('#gallery button').length >= 5",
                         "the style gallery")
        first_width = browser.value("document.getElementById('picture').naturalWidth")

        browser.value("(() => { const t = document.getElementById('title');"
                      " t.focus(); t.select(); })()")
        browser.call("Input.insertText", text="A much longer title")
        check(browser.value("document.getElementById('picture').src.includes('My%20Site')"),
              "the picture changed before the pause after typing")
        browser.wait_for(PICTURE_SHOWN % json.dumps("text=A%20much%20longer%20title"),
                         "the typed title's picture")
        check(browser.value("document.getElementById('picture').naturalWidth") > first_width,
              "the longer title's picture is no wider")

        hostile = "<script>document.title='run'</script><img src=x onerror=alert(1)>"
        browser.value("document.getElementById('title').select()")
        browser.call("Input.insertText", text=hostile)
        browser.wait_for("document.getElementById('caption').textContent === %s"
                         % json.dumps(hostile), "the hostile title shown as text")
        check(browser.value("document.querySelectorAll('script').length") == 1,
              "the title's script became an element")
        check(browser.value("document.querySelectorAll('main img').length")
              == browser.value("document.querySelectorAll('#gallery img').length") + 1,
              "the title's img became an element")
        check(browser.value("document.title") == "Velloro titles", "the title's script ran")
        snippet = browser.value("document.getElementById('snippet').value")
        check("&lt;script&gt;" in snippet and "<script>" not in snippet,
              "the snippet does not escape the title: " + snippet)
        check(not any(event.get("method") == "Page.javascriptDialogOpening"
                      for event in browser.events), "an alert opened")
        access = re.compile(r'^127\.0\.0\.1 "GET /v1/title\.png\?text=My%20Site" 200 \d+ \d+\.\dms$')
        check(any(access.match(line.rstrip("\n")) for line in service.log),
              "no access-log line of the first picture: " + "".join(service.log[:5]))
    finally:
        browser.stop()
        service.stop()
    print("the page follows typing and shows markup as text")


if __name__ == "__main__":
    run(sys.argv[1])
