add_dependencies(test_flows tessaline-sim)
