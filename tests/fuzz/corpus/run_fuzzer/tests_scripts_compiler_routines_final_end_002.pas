begin
end. 'abc

