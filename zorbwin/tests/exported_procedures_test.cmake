# Fails unless the program's dynamic symbol table defines the six window
# procedures under their names:
#   cmake -DNM=nm -DPROGRAM=path/to/zorbwin -P exported_procedures_test.cmake
execute_process(COMMAND ${NM} -D --defined-only ${PROGRAM}
                OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${NM} -D cannot read ${PROGRAM}")
endif()
foreach(name Wow_FonctionFenetreGeneral Wow_FonctionFenetreGeneral1
        Wow_FonctionFenetreGeneral2 Wow_FonctionFenetreGeneral3
        Wow_FonctionFenetreGeneral4 Wow_FonctionFenetreGeneral5)
  if(NOT symbols MATCHES " T ${name}\n")
    message(SEND_ERROR "${PROGRAM} does not export ${name}")
  endif()
endforeach()
