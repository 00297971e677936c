"""Two replicas of the render service behind Debian's nginx with the shipped
configuration: a second identical request comes from the cache, either
replica gives the same bytes, and no request fails while one replica stops
under load. nginx runs as a child of this test, from a prefix of its own in
a temporary folder, unprivileged.

Usage: nginx_replicas_test.py VELLORO_PROGRAM NGINX_CONFIGURATION_TEMPLATE"""
import os
import pwd
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

from service_process import Service, check, fetch

LOAD_THREADS = 4
LOAD_SECONDS = 3
WAIT_SECONDS = 20


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def unprivileged():
    """Runs nginx as nobody when the test runs as root."""
    if os.getuid() != 0:
        return [], None
    nobody = pwd.getpwnam("nobody")
    return ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}",
            "--clear-groups"], nobody


def start_nginx(template, prefix, listen, replicas):
    text = open(template, encoding="utf-8").read()
    for name, value in (("@PREFIX@", prefix), ("@LISTEN@", f"127.0.0.1:{listen}"),
                        ("@REPLICA_ONE@", replicas[0]), ("@REPLICA_TWO@", replicas[1])):
        text = text.replace(name, value)
    configuration = os.path.join(prefix, "nginx.conf")
    with open(configuration, "w", encoding="utf-8") as file:
        file.write(text)
    runner, user = unprivileged()
    if user:
        os.chown(prefix, user.pw_uid, user.pw_gid)
    nginx = subprocess.Popen(runner + [shutil.which("nginx") or "/usr/sbin/nginx", "-e", "stderr",
                                       "-p", prefix, "-c", configuration],
                             stdin=subprocess.DEVNULL)
    deadline = time.monotonic() + WAIT_SECONDS
    while time.monotonic() < deadline:
        try:
            if fetch(f"http://127.0.0.1:{listen}/healthz")[0] == 200:
                return nginx
        except OSError:
            time.sleep(0.1)
    nginx.kill()
    raise RuntimeError("nginx did not start")


def load(front, failures, answered, stop_at):
    number = 0
    name = threading.current_thread().name
    while time.monotonic() < stop_at:
        number += 1
        url = f"{front}/v1/title.png?size=10&text={name}-{number}"
        try:
            status = fetch(url)[0]
        except OSError as error:
            status = str(error)
        if status != 200:
            failures.append((url, status))
        answered.append(url)


def run(program, template):
    replicas = [Service(program), Service(program)]
    prefix = tempfile.mkdtemp(prefix="velloro-nginx-")
    listen = free_port()
    nginx = None
    try:
        nginx = start_nginx(template, prefix, listen,
                            [f"127.0.0.1:{replica.port}" for replica in replicas])
        front = f"http://127.0.0.1:{listen}"
        path = "/v1/title.png?text=Cached&size=12"
        status, headers, first = fetch(front + path)
        check(status == 200 and headers.get("X-Cache") == "MISS", f"first: {status} {headers}")
        status, headers, second = fetch(front + path)
        check(status == 200 and headers.get("X-Cache") == "HIT", f"second: {status} {headers}")
        check(first == second, "the cached picture differs")
        direct = [replica.get(path) for replica in replicas]
        check(all(answer[2] == first for answer in direct), "a replica gives other bytes")
        check(direct[0][1]["ETag"] == direct[1][1]["ETag"], "the replicas' tags differ")

        failures, answered = [], []
        stop_at = time.monotonic() + LOAD_SECONDS
        threads = [threading.Thread(target=load, args=(front, failures, answered, stop_at),
                                    name=f"t{i}") for i in range(LOAD_THREADS)]
        for thread in threads:
            thread.start()
        time.sleep(LOAD_SECONDS / 3)
        replicas[0].stop()
        for thread in threads:
            thread.join()
        check(len(answered) > LOAD_THREADS, f"only {len(answered)} requests were made")
        check(not failures, f"{len(failures)} of {len(answered)} failed: {failures[:3]}")
    finally:
        if nginx:
            nginx.terminate()
            nginx.wait(timeout=WAIT_SECONDS)
        for replica in replicas:
            replica.stop()
        shutil.rmtree(prefix, ignore_errors=True)
    print(f"cache hit, same bytes on both replicas, {len(answered)} requests, none failed")


if __name__ == "__main__":
    run(sys.argv[1], sys.argv[2])
