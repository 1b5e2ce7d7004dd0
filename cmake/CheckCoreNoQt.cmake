# Fails the build when a file of the core library includes a Qt header or
# uses Qt's types: the core must stay plain C++.
file(GLOB_RECURSE coreFiles "${CORE_DIR}/*.h" "${CORE_DIR}/*.cpp")
foreach(f IN LISTS coreFiles)
  file(STRINGS "${f}" hits REGEX "#[ \t]*include[ \t]*[<\"](Q|qt)|Q_OBJECT|QString")
  if(hits)
    message(FATAL_ERROR "${f} uses Qt; src/core must stay plain C++:\n${hits}")
  endif()
endforeach()
