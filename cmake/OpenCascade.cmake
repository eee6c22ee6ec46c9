# OpenCASCADE (Debian's libocct-data-exchange-dev), which writes sorvane's STEP files and reads
# them back in the tests. It is sorvane's alone and optional: without it everything else builds
# and sorvane's --step says it is not available (-DCMAKE_DISABLE_FIND_PACKAGE_OpenCASCADE=ON
# builds so on purpose). When it is found, VINTREL_STEP is ON and the interface target
# vintrel_opencascade carries the toolkits that make a B-spline edge, write and read STEP and
# measure a curve, with OpenCASCADE's headers as system headers, whose warnings are not ours.
set(VINTREL_STEP OFF)

# The package's configuration adds the compile definitions of its own build (HAVE_TBB, ...) to the
# directory, and so to every target below it: the directory keeps its own.
get_directory_property(vintrel_definitions COMPILE_DEFINITIONS)
# The data exchange toolkits' targets name the visualization and application framework ones.
find_package(OpenCASCADE CONFIG QUIET COMPONENTS FoundationClasses ModelingData
             ModelingAlgorithms Visualization ApplicationFramework DataExchange)
set_directory_properties(PROPERTIES COMPILE_DEFINITIONS "${vintrel_definitions}")

set(vintrel_occt_toolkits TKSTEP TKSTEPBase TKXSBase TKTopAlgo TKGeomBase TKBRep TKG3d TKMath TKernel)
if(OpenCASCADE_FOUND)
  set(VINTREL_STEP ON)
  # The toolkits link libraries by path (Debian's TBB, whose -dev package the OpenCASCADE packages
  # do not require): a missing one would fail the link, so it counts as OpenCASCADE missing.
  foreach(toolkit ${vintrel_occt_toolkits})
    if(NOT TARGET ${toolkit})
      set(VINTREL_STEP OFF)
      continue()
    endif()
    get_target_property(libraries ${toolkit} INTERFACE_LINK_LIBRARIES)
    foreach(library ${libraries})
      if(IS_ABSOLUTE "${library}" AND NOT EXISTS "${library}")
        message(STATUS "OpenCASCADE's ${toolkit} needs ${library}, which is missing")
        set(VINTREL_STEP OFF)
      endif()
    endforeach()
  endforeach()
endif()

if(VINTREL_STEP)
  add_library(vintrel_opencascade INTERFACE)
  target_include_directories(vintrel_opencascade SYSTEM INTERFACE ${OpenCASCADE_INCLUDE_DIR})
  target_link_libraries(vintrel_opencascade INTERFACE ${vintrel_occt_toolkits})
  message(STATUS "STEP export: OpenCASCADE ${OpenCASCADE_VERSION}")
else()
  message(STATUS "STEP export: not available (no OpenCASCADE; Debian: libocct-data-exchange-dev)")
endif()
