#!/usr/bin/env python3
"""Asks qerix -x and sqlite3 the same questions on generated relations and
compares the answers: groupings against GROUP BY, the outer joins against
LEFT, RIGHT and FULL JOIN, sorting against ORDER BY, duplicate removal
against DISTINCT.

usage: against_sqlite.py QERIX_BINARY SQLITE3_BINARY

The relations hold duplicates, nulls and an empty one. qerix's data model
differs from SQL's in ways the generator keeps away from: "int" is 32 bits
(values and sums stay small), texts compare by bytes as SQLite's BINARY
collation does, and qerix prints the attributes ordered by name (the SQL
selects them in that order). AVG is compared exactly: SQLite's floating
average is replaced by its SUM and COUNT, rounded as qerix rounds.
"""
import decimal
import os
import random
import subprocess
import sys
import tempfile

NULL = "\\N"
AVERAGE_DIGITS = 6


def generate(rng):
    """Emp(name, dept, city, salary, bonus) with duplicate records and nulls,
    Dept(dept, floor) lacking some departments, and None, an empty Emp."""
    names = ["Anna", "Bela", "Csilla", "Denes", "Eva", "Feri", "Gabor"]
    depts = ["Sales", "IT", "HR", "Legal", "Ops"]
    cities = ["Pecs", "Gyor", "Eger", NULL]
    emp = []
    for _ in range(120):
        record = (rng.choice(names), rng.choice(depts + [NULL]), rng.choice(cities),
                  str(rng.randint(-300, 5000)), rng.choice([NULL, NULL, str(rng.randint(-50, 50))]))
        emp.append(record)
        if rng.random() < 0.2:
            emp.append(record)  # a duplicate
    dept = [("Sales", "2"), ("IT", "10"), ("HR", NULL), ("Board", "9"), ("IT", "7")]
    return {
        "Emp": (["name string", "dept string", "city string", "salary int", "bonus int"], emp),
        "Dept": (["dept string", "floor int"], dept),
        "None": (["name string", "dept string", "city string", "salary int", "bonus int"], []),
    }


def qerix_input(relations, query):
    text = query + "\n"
    for name, (attributes, records) in relations.items():
        text += "\n" + name + "(" + ", ".join(attributes) + ")\n"
        text += "".join(",".join(record) + "\n" for record in records)
    return text


def sql_script(relations, query):
    lines = [".nullvalue '" + NULL + "'", ".separator ,"]
    for name, (attributes, records) in relations.items():
        columns = ", ".join(a.split()[0] + (" INTEGER" if a.split()[1] == "int" else " TEXT") for a in attributes)
        lines.append(f"CREATE TABLE {name} ({columns});")
        for record in records:
            values = ", ".join("NULL" if v == NULL else (v if a.endswith(" int") else "'" + v + "'")
                               for v, a in zip(record, attributes))
            lines.append(f"INSERT INTO {name} VALUES ({values});")
    lines.append(query + ";")
    return "\n".join(lines) + "\n"


def run_qerix(binary, folder, relations, query):
    path = os.path.join(folder, "input.txt")
    with open(path, "w") as out:
        out.write(qerix_input(relations, query))
    done = subprocess.run([binary, "-x", "input.txt", "output.txt"], cwd=folder, capture_output=True, text=True)
    if done.returncode != 0:
        return None, done.stderr.strip()
    lines = done.stdout.splitlines()
    return lines[0], lines[1:]


def exact_average(total, count):
    if count == "0" or total == NULL:
        return NULL
    mean = decimal.Decimal(int(total)) / decimal.Decimal(int(count))
    rounded = mean.quantize(decimal.Decimal(1).scaleb(-AVERAGE_DIGITS), rounding=decimal.ROUND_HALF_UP)
    text = format(rounded.normalize(), "f")
    return "0" if text in ("-0", "0") else text


def run_sqlite(binary, relations, query, averages):
    done = subprocess.run([binary, "-batch", ":memory:"], input=sql_script(relations, query),
                          capture_output=True, text=True)
    if done.returncode != 0 or done.stderr:
        raise RuntimeError("sqlite3: " + done.stderr)
    rows = []
    for line in done.stdout.splitlines():
        values = line.split(",")
        # Each average came as SUM, COUNT: one value again.
        for column in sorted(averages, reverse=True):
            values[column:column + 2] = [exact_average(values[column], values[column + 1])]
        rows.append(",".join(values))
    return rows


# (qerix query, SQL query, header qerix must give, ordered, columns of the SQL
# that are an average's SUM and COUNT). The SQL selects the columns by name.
def checks():
    every = ("COUNT(*)→n, COUNT(bonus)→nb, COUNT(DISTINCT city)→dc, SUM(salary)→s, AVG(bonus)→a, "
             "MIN(name)→lo, MAX(salary)→hi")
    every_sql = ("SUM(bonus), COUNT(bonus), COUNT(DISTINCT city), {key}MAX(salary), MIN(name), COUNT(*), "
                 "COUNT(bonus), SUM(salary)")
    header = "(a decimal, dc int, {key}hi int, lo string, n int, nb int, s int)"
    for source in ("Emp", "None"):
        yield (f"γ_{{dept, {every}}}({source})", "SELECT " + every_sql.format(key="dept, ") +
               f" FROM {source} GROUP BY dept", header.format(key="dept string, "), False, [0])
        yield (f"γ_{{{every}}}({source})", "SELECT " + every_sql.format(key="") + f" FROM {source}",
               header.format(key=""), False, [0])
    yield ("γ_{bonus, city, COUNT(*)→n, MIN(salary)→lo}(Emp)",
           "SELECT bonus, city, MIN(salary), COUNT(*) FROM Emp GROUP BY bonus, city",
           "(bonus int, city string, lo int, n int)", False, [])
    yield ("γ_{dept, SUM(bonus)→s, MAX(bonus)→hi, COUNT(DISTINCT bonus)→d}(Emp)",
           "SELECT COUNT(DISTINCT bonus), dept, MAX(bonus), SUM(bonus) FROM Emp GROUP BY dept",
           "(d int, dept string, hi int, s int)", False, [])
    yield ("γ_{dept, COUNT(*)→n}(σ_{salary > 2000}(Emp))",
           "SELECT dept, COUNT(*) FROM Emp WHERE salary > 2000 GROUP BY dept",
           "(dept string, n int)", False, [])
    yield ("γ_{floor, COUNT(*)→n, AVG(salary)→a}(Emp ⋈ Dept)",
           "SELECT SUM(salary), COUNT(salary), floor, COUNT(*) FROM Emp JOIN Dept USING (dept) GROUP BY floor",
           "(a decimal, floor int, n int)", False, [0])


def outer_join_checks():
    """Each outer join, natural (its shared attribute once, from whichever
    side has a value) and with a condition, also with an empty operand."""
    columns = "bonus, city, {dept}, floor, name, salary"
    header = "(bonus int, city string, dept string, floor int, name string, salary int)"
    shared = {"LEFT": "Emp.dept", "RIGHT": "Dept.dept", "FULL": "COALESCE(Emp.dept, Dept.dept)"}
    for sign, word in (("⟕", "LEFT"), ("⟖", "RIGHT"), ("⟗", "FULL")):
        yield (f"Emp {sign} Dept", f"SELECT {columns.format(dept=shared[word])} FROM Emp {word} JOIN Dept "
               "ON Emp.dept = Dept.dept", header, False, [])
        yield (f"σ_{{salary > 4000}}(Emp) {sign} σ_{{floor > 5}}(Dept)",
               f"SELECT {columns.format(dept=shared[word])} FROM (SELECT * FROM Emp WHERE salary > 4000) AS Emp "
               f"{word} JOIN (SELECT * FROM Dept WHERE floor > 5) AS Dept ON Emp.dept = Dept.dept", header, False, [])
        yield (f"None {sign}_{{dept = dname}} ρ_{{D(dname, floor)}}(Dept)",
               f"SELECT bonus, city, None.dept, dname, floor, name, salary FROM None {word} JOIN "
               "(SELECT dept AS dname, floor FROM Dept) AS D ON None.dept = D.dname",
               "(bonus int, city string, dept string, dname string, floor int, name string, salary int)", False, [])
        yield (f"Emp {sign}_{{bonus < floor ∧ dept = dname}} ρ_{{D(dname, floor)}}(Dept)",
               f"SELECT bonus, city, Emp.dept, dname, floor, name, salary FROM Emp {word} JOIN "
               "(SELECT dept AS dname, floor FROM Dept) AS D ON bonus < floor AND Emp.dept = D.dname",
               "(bonus int, city string, dept string, dname string, floor int, name string, salary int)", False, [])


def sort_and_distinct_checks():
    """Sorting against ORDER BY (stable: SQLite's rowid breaks ties as input
    order does) and duplicate removal against DISTINCT."""
    everything = "bonus, city, dept, name, salary"
    header = "(bonus int, city string, dept string, name string, salary int)"
    for order, sql_order in (("salary DESC, name", "salary DESC, name"), ("dept, bonus DESC", "dept, bonus DESC"),
                             ("city, bonus", "city, bonus"), ("name DESC", "name DESC")):
        yield (f"τ_{{{order}}}(Emp)", f"SELECT {everything} FROM Emp ORDER BY {sql_order}, rowid", header, True, [])
    yield ("τ_{name}(None)", f"SELECT {everything} FROM None ORDER BY name", header, True, [])
    yield ("δ(Emp)", f"SELECT DISTINCT {everything} FROM Emp", header, False, [])
    yield ("δ(π_{dept, bonus}(Emp) ∪ π_{dept, bonus}(Emp))", "SELECT DISTINCT bonus, dept FROM Emp",
           "(bonus int, dept string)", False, [])
    yield ("δ(None)", f"SELECT DISTINCT {everything} FROM None", header, False, [])


def main():
    qerix, sqlite = os.path.abspath(sys.argv[1]), sys.argv[2]
    relations = generate(random.Random(20261210))
    failures = 0
    count = 0
    with tempfile.TemporaryDirectory() as folder:
        for query, sql, header, ordered, averages in \
                list(checks()) + list(outer_join_checks()) + list(sort_and_distinct_checks()):
            count += 1
            got_header, got = run_qerix(qerix, folder, relations, query)
            expected = run_sqlite(sqlite, relations, sql, averages)
            if got_header is None:
                print(f"--- {query}: qerix failed: {got}")
                failures += 1
                continue
            if not ordered:
                got, expected = sorted(got), sorted(expected)
            if got_header != header or got != expected:
                failures += 1
                print(f"--- {query}\n    against {sql}")
                print(f"    header {got_header!r}, expected {header!r}")
                for line in sorted(set(got) ^ set(expected))[:10]:
                    print(("    only qerix: " if line in got else "    only sqlite3: ") + line)
    print(f"{count - failures} of {count} queries agree with sqlite3")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
