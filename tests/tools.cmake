# Tests of this area are added here with tarveo_test().
