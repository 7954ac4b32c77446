#!/usr/bin/env python3
"""Writes the benchmark's master contents files into a directory."""
import os
import sys

MIB = 1024 * 1024


def write_repeated(path, head, unit, size):
    with open(path, "wb") as f:
        f.write(head)
        block = unit * max(1, (4 * MIB) // len(unit))
        written = len(head)
        while written + len(block) <= size:
            f.write(block)
            written += len(block)
        while written + len(unit) <= size:
            f.write(unit)
            written += len(unit)


def realistic(path, size):
    # A master as help systems have them: directives, then books and topics,
    # the section marker half way through.
    with open(path, "wb") as f:
        f.write(b":Base Master.hlp>main\r\n:Title Machine Help\r\n")
        written = 0
        n = 0
        half = size // 2
        marked = False
        while written < size:
            lines = []
            for _ in range(4096):
                n += 1
                if n % 20 == 1:
                    lines.append(b"1 Chapter %d\r\n" % n)
                else:
                    lines.append(b"2 Topic about part %d of the machine=topic_%d\r\n"
                                 % (n, n))
            chunk = b"".join(lines)
            if not marked and written + len(chunk) >= half:
                chunk += b"1 Drives\r\n"
                marked = True
            f.write(chunk)
            written += len(chunk)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    realistic(os.path.join(out, "realistic.cnt"), 256 * MIB)
    write_repeated(os.path.join(out, "one-line.cnt"), b"", b"x" * MIB, 64 * MIB)
    with open(os.path.join(out, "one-line.cnt"), "ab") as f:
        f.write(b"\n")
    write_repeated(os.path.join(out, "empty-lines.cnt"), b"", b"\n", 16 * MIB)
    write_repeated(os.path.join(out, "near-misses.cnt"), b"",
                   b":Bas\n:Base\n:Base\r\n:base x\n:Index Motor=Motor.hlp\n"
                   b":include Motor.cnt\n", 64 * MIB)
    write_repeated(os.path.join(out, "nul-lines.cnt"), b"",
                   b"\0" * 120 + b":Base x :Index Motor=Motor.hlp\r\n", 64 * MIB)


if __name__ == "__main__":
    main()
