# The shipped examples as the operations take them, under <build>/examples:
# a copy of examples/, with the GIR folder's message header, which is kept
# beside the folder as gir_message_header.csv, put in under the one name the
# folder rules accept. Tests, the bench and the README's commands use this copy.
set(TESVANT_EXAMPLES_DIR ${CMAKE_BINARY_DIR}/examples)
file(GLOB_RECURSE TESVANT_EXAMPLE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.csv)
file(REMOVE_RECURSE ${TESVANT_EXAMPLES_DIR})
foreach(example ${TESVANT_EXAMPLE_FILES})
  file(RELATIVE_PATH relative ${CMAKE_SOURCE_DIR}/examples ${example})
  if(relative STREQUAL "gir_message_header.csv")
    set(relative "gir/01_MessageSpec.csv")
  endif()
  configure_file(${example} ${TESVANT_EXAMPLES_DIR}/${relative} COPYONLY)
endforeach()
