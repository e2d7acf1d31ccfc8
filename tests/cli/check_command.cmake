# Runs `tarvex --check` as a player's CI would: no display, QT_QPA_PLATFORM unset. Compares
# what it prints and its exit code with the expected ones.
# -DTARVEX=program -DDATA=tests/data
function(run_check expected_code expected_out expected_err)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=QT_QPA_PLATFORM
                --unset=WAYLAND_DISPLAY ${TARVEX} ${ARGN}
        WORKING_DIRECTORY ${DATA}
        RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code STREQUAL expected_code)
        message(FATAL_ERROR "tarvex ${ARGN}: exit code ${code}, expected ${expected_code}\n${err}")
    endif()
    if(NOT out STREQUAL expected_out)
        message(FATAL_ERROR "tarvex ${ARGN}: printed\n${out}\nexpected\n${expected_out}")
    endif()
    if(NOT err STREQUAL expected_err)
        message(FATAL_ERROR "tarvex ${ARGN}: told\n${err}\nexpected\n${expected_err}")
    endif()
endfunction()

file(READ ${DATA}/check_bad.out bad_out)
run_check(0 "" "0 problems in 1 file\n" --check --game 2.60b etconfig_et260b.cfg)
run_check(1 "${bad_out}" "4 problems in 2 files\n"
          --check --game 2.60b etconfig_et260b.cfg check_bad.cfg)
run_check(0 "" "0 problems in 1 file\n" --check --game etl etconfig_legacy.cfg)
run_check(2 "${bad_out}"
          "missing.cfg: Cannot open file \"${DATA}/missing.cfg\". No such file or directory.\n4 problems in 1 file\n"
          --check --game 2.60b missing.cfg check_bad.cfg)
