"""Fixtures of the end-to-end tests.

wine_template  (session)  an idle, freshly booted prefix, the source of cheap copies
wine_env       (session)  WineEnv at 800x600 on a copy of the template
artifacts      (test)     <GLYPHWORK_ARTIFACTS or repo/artifacts>/<test name>/
transcript     (test)     Transcript in artifacts/transcript.txt
driver         (test)     GuiDriver in wine_env, recording into the transcript and saving
                          screenshots into artifacts; at the end of the test it ends the Windows
                          processes that the test left running (one guidrv serves the session)
screen_env     (test)     factory screen_env(width, height) -> a started WineEnv of its own
                          (own prefix copy, own Xvfb), closed at the end of the test
fresh_env      (test)     a pristine 800x600 WineEnv of its own (shortcut for screen_env(800, 600))
"""
import time

import pytest

from harness import GuiDriver, Transcript, WineEnv, WinePrefix, artifacts_dir
from harness.xdisplay import XvfbDisplay


@pytest.fixture(scope="session")
def wine_template(tmp_path_factory):
    root = tmp_path_factory.mktemp("wine-template")
    prefix = WinePrefix(root / "prefix")
    display = XvfbDisplay(800, 600, log_path=root / "xvfb.log").start()
    started = time.monotonic()
    try:
        prefix.create(display.name)
    finally:
        prefix.kill_server(display.name)
        display.stop()
    prefix.creation_seconds = time.monotonic() - started
    return prefix


@pytest.fixture(scope="session")
def wine_env(wine_template, tmp_path_factory):
    with WineEnv(tmp_path_factory.mktemp("wine-session"), 800, 600, template=wine_template) as env:
        yield env


@pytest.fixture
def artifacts(request):
    return artifacts_dir(request.node.name)


@pytest.fixture
def transcript(artifacts, request):
    t = Transcript(artifacts / "transcript.txt")
    t.note(f"test {request.node.nodeid}")
    yield t
    t.close()


def _end_left_over_programs(drv: GuiDriver, baseline: set, transcript: Transcript):
    """Ends the Windows processes started during the test, so the next test starts clean."""
    for p in drv.processes():
        if p["pid"] not in baseline and p["exe"].lower() != "guidrv.exe":
            transcript.note(f"ending left-over process {p['exe']} ({p['pid']})")
            try:
                drv.kill_process(p["pid"])
            except Exception:  # it may have ended meanwhile
                pass


@pytest.fixture(scope="session")
def _session_driver(wine_env):
    holder = {}

    def get() -> GuiDriver:
        # One guidrv serves the whole session (it takes ~2 s to start); a dead one is replaced.
        drv = holder.get("driver")
        if drv is None or drv._proc.poll() is not None:
            drv = holder["driver"] = wine_env.driver()
        return drv

    yield get
    if holder.get("driver") is not None:
        holder["driver"].close(quiet=True)


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    setattr(item, f"report_{report.when}", report)


def record_failure(drv: GuiDriver, transcript: Transcript, request):
    """On a failed test: the screen as failure.png and the windows still visible."""
    report = getattr(request.node, "report_call", None)
    if report is None or not report.failed:
        return
    try:
        drv.screenshot("failure")
        for w in drv.windows():
            transcript.note(f'still visible: "{w["caption"]}" class {w["class"]} owner "{w["owner_caption"]}"')
    except Exception as e:  # the failure itself matters more
        transcript.note(f"no failure record: {e}")


@pytest.fixture
def driver(_session_driver, transcript, artifacts, request):
    drv = _session_driver()
    drv.transcript, drv.artifacts = transcript, artifacts
    baseline = {p["pid"] for p in drv.processes()}
    yield drv
    try:
        record_failure(drv, transcript, request)
        _end_left_over_programs(drv, baseline, transcript)
    finally:
        drv.transcript = None


@pytest.fixture
def screen_env(wine_template, tmp_path_factory):
    envs = []

    def make(width: int = 800, height: int = 600) -> WineEnv:
        env = WineEnv(tmp_path_factory.mktemp(f"wine-{width}x{height}"), width, height, template=wine_template)
        envs.append(env)
        return env.start()

    yield make
    for env in envs:
        env.close()


@pytest.fixture
def fresh_env(screen_env):
    return screen_env(800, 600)
