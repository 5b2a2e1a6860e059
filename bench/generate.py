#!/usr/bin/env python3
"""Writes the benchmark relations for qerix, deterministically.

usage: generate.py RECORDS OUTPUT_DIR

OUTPUT_DIR receives relations.txt (Emp, Old and Dept in qerix's input format,
without a query line) and emp.csv, old.csv, dept.csv for the SQL comparison.
Emp holds RECORDS employees; Old holds as many, half of them also in Emp,
in another order; Dept holds 50 departments, Sales among them. It also
receives skills.txt (Has and Core) with has.csv and core.csv: Has gives each
employee id one to four of 20 skills, Core three of them. OUTPUT_DIR/shuffled/
receives the same skills.txt, has.csv and core.csv with Has's records in a
random order instead of grouped by id. OUTPUT_DIR/partial/ receives Emp with a
Dept that lacks ten of the departments (relations.txt, dept.csv, and emp.csv
as a link to the one above), for the outer join.
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
    skills = [f"skill{n:02d}" for n in range(20)]
    has = [(ident, skill) for ident in range(1, records + 1) for skill in rng.sample(skills, rng.randint(1, 4))]
    core = [(skill,) for skill in ("skill03", "skill07", "skill11")]
    with open(os.path.join(out_dir, "skills.txt"), "w") as out:
        out.write("Has(id int, skill string)\n" + rows(has) + "\n")
        out.write("Core(skill string)\n" + rows(core))
    for name, relation in (("emp", emp), ("old", old), ("dept", dept), ("has", has), ("core", core)):
        with open(os.path.join(out_dir, f"{name}.csv"), "w") as out:
            out.write(rows(relation))
    # A generator of its own, so that the files above stay what they were.
    shuffled = list(has)
    random.Random(20261210).shuffle(shuffled)
    shuffled_dir = os.path.join(out_dir, "shuffled")
    os.makedirs(shuffled_dir, exist_ok=True)
    with open(os.path.join(shuffled_dir, "skills.txt"), "w") as out:
        out.write("Has(id int, skill string)\n" + rows(shuffled) + "\n")
        out.write("Core(skill string)\n" + rows(core))
    for name, relation in (("has", shuffled), ("core", core)):
        with open(os.path.join(shuffled_dir, f"{name}.csv"), "w") as out:
            out.write(rows(relation))
    # Every employee of the last ten departments goes without a partner.
    partial = dept[:-10]
    partial_dir = os.path.join(out_dir, "partial")
    os.makedirs(partial_dir, exist_ok=True)
    with open(os.path.join(partial_dir, "relations.txt"), "w") as out:
        out.write("Emp" + header + rows(emp) + "\n")
        out.write("Dept(dept string, floor int)\n" + rows(partial))
    with open(os.path.join(partial_dir, "dept.csv"), "w") as out:
        out.write(rows(partial))
    link = os.path.join(partial_dir, "emp.csv")
    if os.path.lexists(link):
        os.remove(link)
    os.symlink(os.path.join("..", "emp.csv"), link)


if __name__ == "__main__":
    main()
