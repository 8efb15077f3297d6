# The fault suite drives the tool against the simulator. Its cells mostly wait on time-outs, so
# they are run side by side: ctest -L faults -j8.
add_dependencies(test_faults tessaline-sim tessaline-cli)
set(area_test_properties LABELS faults)
