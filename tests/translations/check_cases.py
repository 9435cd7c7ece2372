#!/usr/bin/env python3
"""The translation check on small files: one complete, and one broken in each way it catches."""
import os
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.path.join(HERE, "..", "..", "tools", "translations.py")

# file -> the fault the check reports (None: the file passes)
CASES = {
    "complete.ts": None,
    "unfinished.ts": "unfinished: Menu: 'Game'",
    "empty.ts": "empty: Menu: 'Game'",
    "missing_message.ts": "missing: Status: 'Score: %1'",
    "not_in_code.ts": "not in the code: Menu: 'Quit game'",
    "lost_placeholder.ts": "placeholders %1, %2 ... differ: Status",
    "extra_placeholder.ts": "placeholders %1, %2 ... differ: AddScore",
    "printf_moved.ts": "placeholders %s, %i ... differ or moved: Legacy",
    "line_break_lost.ts": "line breaks differ: About",
}


class TranslationCheck(unittest.TestCase):
    def test_each_file_passes_or_fails_for_its_fault(self):
        for name, fault in CASES.items():
            with self.subTest(name):
                run = subprocess.run(
                    [sys.executable, TOOL, "check", "--reference",
                     os.path.join(HERE, "fixtures", "reference.ts"),
                     os.path.join(HERE, "fixtures", name)],
                    capture_output=True, text=True)
                self.assertEqual(run.returncode, 0 if fault is None else 1, run.stdout)
                faults = [line for line in run.stdout.splitlines() if ": " in line]
                self.assertEqual(len(faults), 0 if fault is None else 1, run.stdout)
                if fault:
                    self.assertIn(fault, faults[0])


if __name__ == "__main__":
    unittest.main()
