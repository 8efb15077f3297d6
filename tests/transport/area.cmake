add_dependencies(test_transport tessaline-sim)
