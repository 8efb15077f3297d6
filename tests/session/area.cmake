# The sessions talk to the simulator. The label lets the ThreadSanitizer run pick these tests
# out, as the only ones it builds.
add_dependencies(test_session tessaline-sim)
set(area_test_properties LABELS session)
