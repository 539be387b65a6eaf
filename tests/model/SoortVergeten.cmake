# Builds the target soort_vergeten (model/SoortVergeten.cpp) in the build
# folder BOUW and passes only when the compiler refuses it for both kinds
# left out: the visit's and the switch's.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BOUW} --target soort_vergeten
                RESULT_VARIABLE uitkomst OUTPUT_VARIABLE uitvoer ERROR_VARIABLE uitvoer)
if(uitkomst EQUAL 0)
  message(FATAL_ERROR "An operation that leaves a kind of element out compiled.")
endif()
# The switch's must be an error, not a warning: the build makes it one.
foreach(melding "Voorwerp::Bezoek needs a function for every kind"
                "error: enumeration value [^ ]*Streepjescodevoorwerp[^ ]* not handled in switch")
  if(NOT uitvoer MATCHES "${melding}")
    message(FATAL_ERROR "The build failed, but not with \"${melding}\":\n${uitvoer}")
  endif()
endforeach()
