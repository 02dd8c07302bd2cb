# Finds what the Python module needs: an interpreter that imports numpy, its
# development files, and pybind11. Sets KP_PYTHON_FOUND; without them the
# module is skipped quietly. A Python3_EXECUTABLE given on the command line
# is used as it is.
set(KP_PYTHON_FOUND OFF)
if(NOT Python3_EXECUTABLE)
  # The first python3 on PATH may be one without numpy (a version manager's
  # shim); the system's interpreter is the fallback.
  find_program(KP_PYTHON_ON_PATH NAMES python3 NAMES_PER_DIR)
  foreach(candidate ${KP_PYTHON_ON_PATH} /usr/bin/python3)
    execute_process(COMMAND ${candidate} -c "import numpy"
      RESULT_VARIABLE numpy_missing OUTPUT_QUIET ERROR_QUIET)
    if(numpy_missing EQUAL 0)
      set(Python3_EXECUTABLE ${candidate} CACHE FILEPATH "Python interpreter of the kp module")
      break()
    endif()
  endforeach()
endif()
find_package(Python3 QUIET COMPONENTS Interpreter Development.Module NumPy)
if(Python3_FOUND)
  set(PYBIND11_FINDPYTHON ON)
  find_package(pybind11 CONFIG QUIET)
  if(pybind11_FOUND)
    set(KP_PYTHON_FOUND ON)
  endif()
endif()
