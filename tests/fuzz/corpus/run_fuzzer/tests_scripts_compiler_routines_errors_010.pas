begin
end; 'abc

