#!/usr/bin/env python3
"""The translation check on small files: one complete, and one broken in each way it catches,
each made from the complete one by a single change."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.path.join(HERE, "..", "..", "tools", "translations.py")
FIXTURES = os.path.join(HERE, "fixtures")

# name -> (text of complete.ts, its replacement, the fault the check reports)
CASES = {
    "complete": ("", "", None),
    "unfinished": ("<translation>Spiel<", '<translation type="unfinished">Spiel<',
                   "unfinished: Menu: 'Game'"),
    "empty": ("<translation>Spiel<", "<translation><", "empty: Menu: 'Game'"),
    "missing message": ("<message>\n        <source>Score: %1</source>\n        <translation>"
                        "Punkte: %1</translation>\n    </message>", "",
                        "missing: Status: 'Score: %1'"),
    "not in the code": ("<name>Menu</name>", "<name>Menu</name><message><source>Quit game"
                        "</source><translation>Beenden</translation></message>",
                        "not in the code: Menu: 'Quit game'"),
    "lost placeholder": ("Punkte: %1<", "Punkte<", "placeholders %1, %2 ... differ: Status"),
    "extra placeholder": ("ergab %1 Punkte<", "ergab %1 Punkte (%3)<",
                          "placeholders %1, %2 ... differ: AddScore"),
    "printf moved": ("%s erzielte %i", "%i erzielte %s",
                     "placeholders %s, %i ... differ or moved: Legacy"),
    "line break lost": ("Fragen?\nhelp", "Fragen? help", "line breaks differ: About"),
}


class TranslationCheck(unittest.TestCase):
    def test_each_file_passes_or_fails_for_its_fault(self):
        with open(os.path.join(FIXTURES, "complete.ts"), encoding="utf-8") as complete:
            text = complete.read()
        for name, (old, new, fault) in CASES.items():
            with self.subTest(name), tempfile.TemporaryDirectory() as folder:
                self.assertIn(old, text)
                path = os.path.join(folder, "zorvagon_de.ts")
                with open(path, "w", encoding="utf-8") as broken:
                    broken.write(text.replace(old, new, 1) if old else text)
                run = subprocess.run([sys.executable, TOOL, "check", "--reference",
                                      os.path.join(FIXTURES, "reference.ts"), path],
                                     capture_output=True, text=True)
                self.assertEqual(run.returncode, 0 if fault is None else 1, run.stdout)
                faults = [line for line in run.stdout.splitlines() if ": " in line]
                self.assertEqual(len(faults), 0 if fault is None else 1, run.stdout)
                if fault:
                    self.assertIn(fault, faults[0])


if __name__ == "__main__":
    unittest.main()
