#!/usr/bin/env python3
"""Checks grading platforms' result files against a JSON Schema.

usage: check_platform_schemas.py SCHEMA JSON_FILE...

Every file must be UTF-8 JSON that the schema accepts. Each fault is one
line on standard error naming the file and the place in it; the status is 0
when every file passes, 1 when one does not, 2 on a usage error.
"""
import json
import sys

import jsonschema


def load(path):
    with open(path, "rb") as stream:
        return json.loads(stream.read().decode("utf-8"))


def place(error):
    return "/" + "/".join(str(step) for step in error.absolute_path)


def main(arguments):
    if len(arguments) < 2:
        print("usage: check_platform_schemas.py SCHEMA JSON_FILE...", file=sys.stderr)
        return 2
    schema_path, paths = arguments[0], arguments[1:]
    try:
        schema = load(schema_path)
        validator_class = jsonschema.validators.validator_for(schema)
        validator_class.check_schema(schema)
    except (OSError, ValueError, jsonschema.SchemaError) as error:
        print(f"{schema_path}: not a usable schema: {error}", file=sys.stderr)
        return 2
    validator = validator_class(schema)
    failed = False
    for path in paths:
        try:
            document = load(path)
        except (OSError, ValueError) as error:
            print(f"{path}: not UTF-8 JSON: {error}", file=sys.stderr)
            failed = True
            continue
        for error in sorted(validator.iter_errors(document), key=lambda each: list(each.absolute_path)):
            print(f"{path}: {place(error)}: {error.message}", file=sys.stderr)
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
