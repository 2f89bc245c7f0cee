#!/usr/bin/python3
"""The Windows report tool's answers beside the Linux one's.

    compare_report.py LINUX_TOOL WINDOWS_TOOL.exe CLONE OUT_DIR

For every sample in CLONE/examples, the regression files in CLONE/tests/data/regress and a set
of hostile files made here: the text report, --json and --csv must be byte for byte the same
(exit status, standard output and errors; both tools are given the same relative paths, so
paths need no mending), the --pdf report the same text (pdftotext). For the samples, --png
images are compared pixel by pixel; the differences (font rendering) are printed. Both write
into OUT_DIR/linux and OUT_DIR/windows. WINEPREFIX comes from the environment.
"""
import os
import random
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def header(floors, start="01.12.26 06:00", stop="07.12.26 18:00"):
    return ["QVL Statistik Gruppe 1", stop + ";Stop", "Anlage;B\xfcrohaus", f"Etagen;{floors}",
            "Start;" + start + ";", "Kopf 6", "Kopf 7", "Kopf 8"]


def uniform(floors, value=1, travel=None):
    v = f"{value};"
    lines = header(floors)
    for i in range(floors):
        lines.append(f"{i + 1};" + v * 24)
        lines.append(";" + v * 48)
    lines.append(travel or "-;" + v * 4)
    return "\r\n".join(lines) + "\r\n"


def hostile_files(folder):
    """Damaged and hostile statistics files: name -> bytes (None: made differently)."""
    rng = random.Random(19)
    good = uniform(3, 7)
    files = {
        "leer.csv": b"",
        "eine-zeile.csv": b"x\r\n",
        "acht-zeilen.csv": b"x\r\n" * 8,
        "41-etagen.csv": uniform(41).encode("cp1252"),
        "256-etagen.csv": uniform(256).encode("cp1252"),
        "eine-lange-zeile.csv": b"7" * (4 << 20),
        "binaer.csv": bytes(rng.randrange(256) for _ in range(20000)),
        "nul-im-wert.csv": good.replace("7;7;7;", "7;7\x001;7;", 1).encode("cp1252"),
        "falsches-feld.csv": good.replace("7;7;7;", "7;2x0;7;", 1).encode("cp1252"),
        "nach-dem-ende.csv": (good + "noch eine\r\n").encode("cp1252"),
        "2147483647.csv": uniform(2, 2147483647).encode("cp1252"),
        "2147483648.csv": good.replace("7;7;7;", "7;2147483648;7;", 1).encode("cp1252"),
        "nur-lf.csv": good.replace("\r\n", "\n").encode("cp1252"),
        "nur-cr.csv": good.replace("\r\n", "\r").encode("cp1252"),
        "ctrl-z.csv": (good[:200] + "\x1a" + good[200:]).encode("cp1252"),
        "utf8-anlage.csv": good.replace("B\xfcrohaus", "B\xfcrohaus S\xfcd").encode("utf-8"),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    os.makedirs(os.path.join(folder, "ordner.csv"), exist_ok=True)
    return sorted(files) + ["ordner.csv", "fehlt.csv"]


def run(command, cwd):
    """Exit status, standard output and errors. Through files: Wine writes to a pipe slowly."""
    with open(os.path.join(cwd, ".stdout"), "w+b") as out, \
            open(os.path.join(cwd, ".stderr"), "w+b") as err:
        status = subprocess.run(command, cwd=cwd, stdout=out, stderr=err).returncode
        out.seek(0)
        err.seek(0)
        return status, out.read(), err.read()


def main():
    linux_tool, windows_tool, clone, out = map(os.path.abspath, sys.argv[1:5])
    windows = [os.path.join(HERE, "wine-run.sh"), windows_tool]
    shutil.rmtree(out, ignore_errors=True)
    work = os.path.join(out, "input")
    os.makedirs(work)
    samples = []
    for folder, pick in ((os.path.join(clone, "examples"), ".csv"),
                         (os.path.join(clone, "tests", "data", "regress"), "")):
        for name in sorted(os.listdir(folder)):
            if name.endswith(pick) and name.endswith(".csv"):
                shutil.copy(os.path.join(folder, name), work)
                samples.append(name)
    inputs = samples + hostile_files(work)
    examples = [n for n in sorted(os.listdir(os.path.join(clone, "examples")))
                if n.endswith(".csv")]

    subprocess.run([windows[0], "--keep"], check=True)  # one Wine server for all runs
    failures = []
    compared = 0
    for name in inputs:
        modes = [[], ["--json"], ["--csv", "OUT.csv"]]
        if name in examples:
            modes.append(["--vergleich", examples[0]])
        for mode in modes:
            results = {}
            for side, tool in (("linux", [linux_tool]), ("windows", windows)):
                args = [a.replace("OUT", f"{side}-{name}") for a in mode]
                status, stdout, stderr = run(tool + args + [name], work)
                written = b""
                if "--csv" in mode and os.path.exists(os.path.join(work, args[1])):
                    with open(os.path.join(work, args[1]), "rb") as f:
                        written = f.read()
                results[side] = (status, stdout, stderr, written)
            compared += 1
            if results["linux"] != results["windows"]:
                what = [k for k, a, b in zip(("status", "stdout", "stderr", "csv"),
                                             results["linux"], results["windows"]) if a != b]
                failures.append(f"{name} {' '.join(mode)}: {', '.join(what)} differ")
                for side in ("linux", "windows"):
                    with open(os.path.join(out, f"{side}-{name}-{len(failures)}.txt"), "wb") as f:
                        status, stdout, stderr, written = results[side]
                        f.write(b"status %d\n--- stdout\n%s--- stderr\n%s--- csv\n%s"
                                % (status, stdout, stderr, written))

    # The drawn outputs of the samples: the same PDF text, PNG images measured.
    pixels = []
    for name in examples:
        pdf = {}
        for side, tool in (("linux", [linux_tool]), ("windows", windows)):
            status, stdout, stderr = run(tool + ["--pdf", f"{side}-{name}.pdf", "--png",
                                                 f"{side}-{name}-png", name], work)
            if status != 0:
                failures.append(f"{name} --pdf --png on {side}: status {status}: {stderr!r}")
                continue
            pdf[side] = subprocess.run(["pdftotext", "-layout", f"{side}-{name}.pdf", "-"],
                                       cwd=work, stdout=subprocess.PIPE, check=True).stdout
        compared += 1
        if len(pdf) == 2 and pdf["linux"] != pdf["windows"]:
            failures.append(f"{name} --pdf: pdftotext differs")
        if len(pdf) < 2:
            continue
        for image in sorted(os.listdir(os.path.join(work, f"linux-{name}-png"))):
            a = os.path.join(work, f"linux-{name}-png", image)
            b = os.path.join(work, f"windows-{name}-png", image)
            if not os.path.exists(b):
                failures.append(f"{name} --png: {image} missing on Windows")
                continue
            size = subprocess.run(["identify", "-format", "%w %h", a], stdout=subprocess.PIPE,
                                  check=True).stdout.split()
            total = int(size[0]) * int(size[1])
            diff = subprocess.run(["compare", "-metric", "AE", a, b,
                                   os.path.join(out, f"diff-{name}-{image}")],
                                  stderr=subprocess.PIPE)
            if diff.returncode > 1:
                failures.append(f"{name} --png: {image}: {diff.stderr.decode().strip()}")
                continue
            pixels.append((float(diff.stderr.split()[0]) / total * 100, f"{name}/{image}"))

    subprocess.run(["wineserver", "-k"])
    print(f"compare_report: {compared} runs of {len(inputs)} files on both tools")
    if pixels:
        pixels.sort()
        mean = sum(p for p, _ in pixels) / len(pixels)
        print(f"compare_report: PNG images differing pixels: mean {mean:.2f} %, "
              f"least {pixels[0][0]:.2f} % ({pixels[0][1]}), most {pixels[-1][0]:.2f} % "
              f"({pixels[-1][1]}); difference images in {out}")
    for failure in failures:
        print("compare_report: " + failure, file=sys.stderr)
    if failures:
        sys.exit(1)


if __name__ == "__main__":
    main()
