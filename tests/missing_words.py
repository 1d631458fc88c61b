#!/usr/bin/python3
"""A text left without one of its languages, or with an empty one, must stop the build: compiles
one text written each way and expects the whole one alone to compile.
Usage: missing_words.py PROJECT_ROOT COMPILER QT_INCLUDE_DIRS(;-separated)"""
import subprocess
import sys

root, compiler, includes = sys.argv[1], sys.argv[2], sys.argv[3].split(";")
cases = {  # text: does it compile
    '{.italian = "Chiudi", .english = "Close"}': True,
    '{.italian = "Chiudi"}': False,
    '{.english = "Close"}': False,
    '{.italian = "Chiudi", .english = ""}': False,
    '{.italian = "", .english = "Close"}': False,
    '{"Chiudi"}': False,
}
faults = []
for text, compiles in cases.items():
    source = f'#include "texts/language.h"\nQString f() {{ return harmtally::Bilingual{text}.in({{}}); }}\n'
    run = subprocess.run([compiler, "-std=c++20", "-fPIC", "-fsyntax-only", "-x", "c++", "-",
                          "-I" + root] + ["-I" + i for i in includes if i],
                         input=source, capture_output=True, text=True)
    if (run.returncode == 0) != compiles:
        faults.append(f"{text}: {'does not compile' if compiles else 'compiles'}\n{run.stderr}")
print("\n".join(faults) or f"missing_words: {len(cases)} texts, only the whole one compiles")
sys.exit(1 if faults else 0)
