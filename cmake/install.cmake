# Installation: the program with its wav folder beside it.
install(TARGETS metria RUNTIME DESTINATION lib/metria)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/wav DESTINATION lib/metria)
