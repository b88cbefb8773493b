# Runs every test file of the suite: ruby tests/ruby/run.rb
Dir[File.join(__dir__, "*_test.rb")].sort.each { |f| require f }
