# The class of check-assignment-teacher-report, one student's result file.
bash "$(dirname "$0")/../check-assignment-teacher-report/setup.sh"
