#!/usr/bin/python3
"""Runs one end-to-end journey of the shipped program under Wine.

The journeys live in the journeys_*.py modules beside this file, each with a JOURNEYS table of
name to function; `--list` prints every name (the build registers one test per name).
"""
import argparse
import glob
import importlib
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from e2e_support import Journey  # noqa: E402


def all_journeys():
    found = {}
    here = os.path.dirname(os.path.abspath(__file__))
    for path in sorted(glob.glob(os.path.join(here, "journeys_*.py"))):
        module = importlib.import_module(os.path.splitext(os.path.basename(path))[0])
        for name, run in module.JOURNEYS.items():
            if name in found:
                raise SystemExit(f"journey {name} defined twice")
            found[name] = run
    return found


def main():
    journeys = all_journeys()
    if sys.argv[1:] == ["--list"]:
        print(";".join(sorted(journeys)))
        return 0
    parser = argparse.ArgumentParser()
    parser.add_argument("journey", choices=sorted(journeys))
    parser.add_argument("--root", required=True)
    parser.add_argument("--dist", required=True)
    parser.add_argument("--sim-dll", required=True)
    parser.add_argument("--work", required=True)
    args = parser.parse_args()
    journey = Journey(args)
    try:
        journeys[args.journey](journey)
    finally:
        journey.close()
    print(f"{args.journey}: passed (screenshots in {journey.work})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
