# The class of check-assignment-teacher-report, reported for the students.
bash "$(dirname "$0")/../check-assignment-teacher-report/setup.sh"
