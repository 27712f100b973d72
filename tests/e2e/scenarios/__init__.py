"""Scenarios that the Linux program and orrindale.exe under Wine meet alike, each
written once as a function (x, exe) of a session: LinuxSession (linuxsession.py)
or WineSession (tests/windows/e2e/winesession.py), which answer the same calls
where the two systems differ (box texts, the viewer of documents, the registration
to start at login, the window's bounds). A test of either system is a thin entry:

    run(LinuxSession, about.SCENARIOS)
"""

import sys
from pathlib import Path

from harness import SKIP, E2EFailure, check, run_scenario, run_test, save_artifact


def run(session, scenarios, one_session=True, **options):
    """Runs each scenario on the program named on the command line, all in one
    session(**options) or each in its own; after a failure the next one runs. The
    test is skipped when a scenario returns SKIP (the date changed mid-run)."""
    def main():
        exe = Path(sys.argv[1])
        failures, results = [], []

        def attempt(x, scenario):
            try:
                results.append(run_scenario(x, scenario, exe))
            except E2EFailure as exc:
                failures.append(str(exc))
                try:
                    save_artifact(x.screenshot(), f"{scenario.__name__}-last-screen")
                except E2EFailure:
                    pass
                for prog in x.programs:
                    prog.stop()
        if one_session:
            with session(**options) as x:
                for scenario in scenarios:
                    attempt(x, scenario)
        else:
            for scenario in scenarios:
                with session(**options) as x:
                    attempt(x, scenario)
        check(not failures, "\n".join(failures))
        return SKIP if SKIP in results else 0
    run_test(main)


def session_for(program, **options):
    """The session a program runs in: orrindale.exe under Wine, any other natively."""
    if Path(program).suffix.lower() == ".exe":
        sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "windows" / "e2e"))
        from winesession import WineSession
        return WineSession(**options)
    from linuxsession import LinuxSession
    return LinuxSession(**options)
