begin
end; { abc

