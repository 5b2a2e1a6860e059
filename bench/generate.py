#!/usr/bin/env python3
"""Writes the benchmark relations for qerix, deterministically.

usage: generate.py RECORDS OUTPUT_DIR

OUTPUT_DIR receives relations.txt (Emp, Old and Dept in qerix's input format,
without a query line) and emp.csv, old.csv, dept.csv for the SQL comparison.
Emp holds RECORDS employees; Old holds as many, half of them also in Emp,
in another order; Dept holds 50 departments, Sales among them.
"""
import os
import random
import sys

DEPARTMENTS = ["Sales", "IT", "HR", "Finance", "Legal"] + [f"Dept{n:02d}" for n in range(5, 50)]
FIRST_NAMES = ["Anna", "Bela", "Csilla", "Denes", "Eva", "Ferenc", "Gabor", "Hajnalka", "Istvan", "Judit"]


def employee(rng, ident):
    name = f"{rng.choice(FIRST_NAMES)}{ident}"
    return (ident, name, rng.choice(DEPARTMENTS), rng.randint(20, 65), rng.randint(20000, 120000))


def main():
    records, out_dir = int(sys.argv[1]), sys.argv[2]
    os.makedirs(out_dir, exist_ok=True)
    rng = random.Random(20261208)
    emp = [employee(rng, ident) for ident in range(1, records + 1)]
    shared = rng.sample(emp, records // 2)
    old = shared + [employee(rng, ident) for ident in range(records + 1, records + 1 + records - len(shared))]
    rng.shuffle(old)
    dept = [(name, rng.randint(1, 12)) for name in DEPARTMENTS]

    def rows(relation):
        return "".join(",".join(map(str, row)) + "\n" for row in relation)

    header = "(id int, name string, dept string, age int, salary int)\n"
    with open(os.path.join(out_dir, "relations.txt"), "w") as out:
        out.write("Emp" + header + rows(emp) + "\n")
        out.write("Old" + header + rows(old) + "\n")
        out.write("Dept(dept string, floor int)\n" + rows(dept))
    for name, relation in (("emp", emp), ("old", old), ("dept", dept)):
        with open(os.path.join(out_dir, f"{name}.csv"), "w") as out:
            out.write(rows(relation))


if __name__ == "__main__":
    main()
