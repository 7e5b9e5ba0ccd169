#!/bin/sh
# The program inside valgrind's memcheck, started by the valgrind session
# test as if it were the program: the test names the program and the log
# in the environment. Any error, and any block definitely or indirectly
# lost, makes the exit code 99. No suppressions: since the program releases
# fontconfig's configuration at exit, no library's block is lost either.
exec valgrind --tool=memcheck --leak-check=full \
  --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
  --error-exitcode=99 --num-callers=40 \
  --log-file="$VESKARO_VALGRIND_LOG" "$VESKARO_VALGRIND_PROGRAM"
