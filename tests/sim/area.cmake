add_dependencies(test_sim tessaline-sim)
